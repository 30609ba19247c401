#pragma once

#include "gpsdata/Prompt.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace unitwindows {

// The window shown while the data set goes to or comes from a card's user
// data file: the caption, the percentage bar and the percentage in words. It
// opens when the card job begins and closes at its end; the card job cannot
// be stopped half-way, so it offers no Cancel.
class frmTransferUserData : public QDialog, public ui::Progress {
    Q_OBJECT
public:
    explicit frmTransferUserData(QWidget* parent = nullptr);

    void Begin(const QString& caption) override;
    void SetValue(int percent) override;
    void SetText(const QString& text) override;
    void End() override;
    bool Cancelled() const override { return false; }

protected:
    // The user cannot close it while the card is read or written.
    void reject() override {}

private:
    QLabel* lblCaption_;
    QProgressBar* barPercent_;
    QLabel* lblPercent_;
};

} // namespace unitwindows
