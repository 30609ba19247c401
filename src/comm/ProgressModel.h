#pragma once

#include <QString>

#include <functional>

namespace comm {

// The state of the progress window of a long transfer: the bar, the elapsed
// time and an estimate of the time left. The clock is handed in (seconds since
// midnight) so the texts can be checked without waiting.
class ProgressModel {
public:
    using Clock = std::function<double()>;

    explicit ProgressModel(Clock secondsSinceMidnight);

    void InitProgress(const QString& title, bool mayCancel);
    // Returns false once the work is complete (100 or more): the window closes.
    bool ProgressMade(float percent);
    // The user pressed Cancel.
    void Cancel() { cancelled_ = true; }

    QString Title() const { return title_; }
    bool MayCancel() const { return mayCancel_; }
    bool Cancelled() const { return cancelled_; }
    int BarValue() const { return bar_; }
    QString ElapsedText() const { return elapsedText_; }
    QString RemainingText() const { return remainingText_; }

    // "1 Hour 2 Minutes 5 Seconds " + suffix; parts that are zero are left out.
    static QString DurationText(int seconds, const QString& suffix);

private:
    // Seconds since InitProgress, across midnight.
    double Elapsed() const;

    Clock clock_;
    QString title_;
    bool mayCancel_ = false;
    bool cancelled_ = false;
    int bar_ = 0;
    double start_ = 0;
    double lastEstimate_ = 0;
    QString elapsedText_;
    QString remainingText_;
};

} // namespace comm
