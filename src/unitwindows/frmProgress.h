#pragma once

#include "comm/ProgressModel.h"
#include "gpsdata/Prompt.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace unitwindows {

// The progress window of a long unit job: its title, a bar, the time elapsed
// and an estimate of the time left, and a Cancel button. Cancel stops the job
// at once through CancelRequested rather than waiting for the job to look at
// Cancelled() on its next step.
class frmProgress : public QDialog, public ui::Progress {
    Q_OBJECT
public:
    explicit frmProgress(QWidget* owner = nullptr,
                         comm::ProgressModel::Clock secondsSinceMidnight = SecondsSinceMidnight());

    void InitProgress(const QString& title, bool mayCancel);
    // At 100 or more the window closes.
    void ProgressMade(float percent);

    // The job's side: Begin opens the window with Cancel offered.
    void Begin(const QString& caption) override;
    void SetValue(int percent) override { ProgressMade(float(percent)); }
    void SetText(const QString& text) override;
    void End() override;
    bool Cancelled() const override { return model_.Cancelled(); }

    void Cancel();

    static comm::ProgressModel::Clock SecondsSinceMidnight();

signals:
    void CancelRequested();

protected:
    // Closing the window is cancelling, when the job may be cancelled.
    void reject() override;

private:
    void ShowTimes();

    comm::ProgressModel model_;
    float percent_ = 0;
    QLabel* caption_;
    QProgressBar* bar_;
    QLabel* text_;
    QLabel* elapsed_;
    QLabel* remaining_;
    QPushButton* cancel_;
    QTimer tmrProgress_; // keeps the elapsed time moving while a step waits
};

} // namespace unitwindows
