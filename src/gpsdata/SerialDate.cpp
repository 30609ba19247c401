#include "gpsdata/SerialDate.h"

#include <cmath>
#include <limits>

namespace gpsdata {

double SerialDate::FromDateTime(const QDateTime& dateTime) {
    static const QDate origin(1899, 12, 30);
    const double days = static_cast<double>(origin.daysTo(dateTime.date()));
    const int seconds = dateTime.time().msecsSinceStartOfDay() / 1000;
    return days + seconds / SecondsPerDay;
}

qint32 SerialDate::ToSeconds(double epoch, double date) {
    const double seconds = std::round((date - epoch) * SecondsPerDay);
    if (std::isnan(seconds))
        return 0;
    if (seconds <= std::numeric_limits<qint32>::min())
        return std::numeric_limits<qint32>::min();
    if (seconds >= std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(seconds);
}

} // namespace gpsdata
