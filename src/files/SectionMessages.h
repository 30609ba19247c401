#pragma once

#include <QString>

namespace gpsdata {
class GPSData;
}

namespace files {

class ByteReader;

// The messages that section readers raise through the data set's FileError.
namespace SectionMessages {

inline const QString CrLf = QStringLiteral("\r\n");

void Raise(gpsdata::GPSData& data, const QString& text);

// "<what> after <one> #N ignored." for a count cut to its limit.
QString CountCut(const QString& what, const QString& one, int limit);

// A section's record count, cut to `limit` with the CountCut message.
int ReadCount(ByteReader& in, gpsdata::GPSData& data, int limit, const QString& what, const QString& one);

} // namespace SectionMessages
} // namespace files
