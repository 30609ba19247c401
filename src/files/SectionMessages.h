#pragma once

#include <QString>

namespace gpsdata {
class GPSData;
}

namespace files {

// The messages that section readers raise through the data set's FileError.
namespace SectionMessages {

inline const QString CrLf = QStringLiteral("\r\n");

void Raise(gpsdata::GPSData& data, const QString& text);

// "<what> after <one> #N ignored." for a count cut to its limit.
QString CountCut(const QString& what, const QString& one, int limit);

} // namespace SectionMessages
} // namespace files
