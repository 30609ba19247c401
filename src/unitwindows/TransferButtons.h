#pragma once

#include <QDialogButtonBox>

#include <functional>

class QDialog;

namespace unitwindows {

// Download, Upload and Cancel of the two transfer windows.
class TransferButtons : public QDialogButtonBox {
    Q_OBJECT
public:
    TransferButtons(QDialog* window, std::function<void()> download, std::function<void()> upload);
};

} // namespace unitwindows
