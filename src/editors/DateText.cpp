#include "editors/DateText.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace editors {

namespace {
// Serial day 0.
const QDate SerialEpoch(1899, 12, 30);
// A wild date read from outside still shows as some date: days beyond these
// give the nearest of them.
constexpr double FirstDay = -657434; // 0100-01-01
constexpr double LastDay = 2958465;  // 9999-12-31
constexpr long SecondsPerDay = 86400;
} // namespace

QString DateText(double serialDate) {
    if (!std::isfinite(serialDate))
        serialDate = 0;
    const double clamped = std::clamp(serialDate, FirstDay, LastDay + 0.99999);
    // The time of day counts from midnight whatever the day's sign.
    const double day = std::floor(clamped);
    // Whole seconds first, so a time stored a hair below the minute still
    // shows that minute; the seconds themselves are not shown.
    const long seconds = std::lround((clamped - day) * SecondsPerDay);
    const QDate date = SerialEpoch.addDays(static_cast<qint64>(day) + seconds / SecondsPerDay);
    const int minuteOfDay = static_cast<int>(seconds % SecondsPerDay / 60);
    return QLocale().toString(date, QLocale::ShortFormat) +
           QStringLiteral(" %1:%2").arg(minuteOfDay / 60).arg(minuteOfDay % 60, 2, 10, QLatin1Char('0'));
}

} // namespace editors
