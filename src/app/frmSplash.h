#pragma once

#include <QWidget>

namespace app {

// The window shown while the program starts.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* owner = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace app
