#pragma once

#include <QDialog>

class QLabel;

namespace unitwindows {

// Shown while a connection attempt runs. The user cannot close it: the
// attempt ends it, found or failed, through CloseByProgram.
class frmSerialConnect : public QDialog {
    Q_OBJECT
public:
    explicit frmSerialConnect(QWidget* owner = nullptr);

    // The rate scan's progress ("Com2 - Trying 9600 baud").
    void SetStatusText(const QString& text);
    QString StatusText() const;
    void CloseByProgram();

protected:
    void reject() override {}
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* status_;
};

} // namespace unitwindows
