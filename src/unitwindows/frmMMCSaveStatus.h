#pragma once

#include "gpsdata/Prompt.h"

#include <QDialog>

class QLabel;

namespace unitwindows {

// A small window over the main window while the data set goes onto the card
// in the card reader: it says what is being written, item by item and then
// the card's user data file, so that the card stays in until the upload
// ends. The upload closes it; Cancel is the progress window's.
class frmMMCSaveStatus : public QDialog, public ui::StatusSink {
    Q_OBJECT
public:
    explicit frmMMCSaveStatus(QWidget* owner = nullptr);

    // Every panel's text shows in the one label.
    void SetStatusText(int panel, const QString& text) override;
    QString StatusText() const;
    // Shown in the upper part of `owner`, clear of the progress window,
    // which takes its middle.
    void ShowOver(QWidget* owner);

protected:
    void reject() override {}

private:
    QLabel* lblStatus_;
};

} // namespace unitwindows
