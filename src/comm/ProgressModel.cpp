#include "comm/ProgressModel.h"

#include <algorithm>
#include <cmath>

namespace comm {

namespace {

constexpr double SecondsPerDay = 86400;
constexpr double EstimateInterval = 3;

QString Part(int count, const char* unit) {
    if (count == 0)
        return {};
    if (count == 1)
        return QStringLiteral("1 %1 ").arg(QLatin1String(unit));
    return QStringLiteral("%1 %2s ").arg(count).arg(QLatin1String(unit));
}

} // namespace

ProgressModel::ProgressModel(Clock secondsSinceMidnight) : clock_(std::move(secondsSinceMidnight)) {}

void ProgressModel::InitProgress(const QString& title, bool mayCancel) {
    title_ = title;
    mayCancel_ = mayCancel;
    cancelled_ = false;
    start_ = clock_();
    lastEstimate_ = 0;
    bar_ = 0;
    remainingText_.clear();
    elapsedText_ = QStringLiteral("0 Seconds Elapsed");
}

double ProgressModel::Elapsed() const {
    double elapsed = clock_() - start_;
    if (elapsed < 0)
        elapsed += SecondsPerDay;
    return elapsed;
}

bool ProgressModel::ProgressMade(float percent) {
    if (!(percent < 100))
        return false;
    const double elapsed = Elapsed();
    bar_ = std::clamp(int(percent), 0, 100);
    elapsedText_ = DurationText(int(elapsed), QStringLiteral("Elapsed"));
    if (elapsed - lastEstimate_ >= EstimateInterval && percent > 0) {
        lastEstimate_ = elapsed;
        remainingText_ =
            DurationText(int(std::lround(elapsed * (100 - percent) / percent)), QStringLiteral("Remaining"));
    } else if (remainingText_.isEmpty()) {
        remainingText_ = QStringLiteral("0 Seconds Remaining");
    }
    return true;
}

QString ProgressModel::DurationText(int seconds, const QString& suffix) {
    return Part(seconds / 3600, "Hour") + Part(seconds / 60 % 60, "Minute") + Part(seconds % 60, "Second") +
           suffix;
}

} // namespace comm
