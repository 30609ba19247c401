#pragma once

#include <QDateTime>
#include <QtGlobal>

namespace gpsdata {

// Dates are kept as serial day numbers: days since 1899-12-30 00:00:00 with the
// time of day as the fraction. The unit link and the files count whole seconds
// from their own epochs instead.
class SerialDate {
public:
    static constexpr double LurchEpoch = 33604; // 1992-01-01 00:00:00
    static constexpr double FileEpoch = 25569;  // 1970-01-01 00:00:00
    static constexpr double SecondsPerDay = 86400;

    // The serial day of a local date and time, to the whole second.
    static double FromDateTime(const QDateTime& dateTime);
    static double Now() { return FromDateTime(QDateTime::currentDateTime()); }

    static double FromSeconds(double epoch, qint32 seconds) { return epoch + seconds / SecondsPerDay; }

    // Whole seconds from `epoch` to `date`, rounded to the nearest second.
    // Dates beyond the 32-bit range of seconds (about 68 years either side of
    // the epoch) give the nearest representable value, so a wild date read
    // from outside cannot overflow.
    static qint32 ToSeconds(double epoch, double date);
};

} // namespace gpsdata
