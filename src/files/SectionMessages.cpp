#include "files/SectionMessages.h"

#include "files/ByteReader.h"
#include "gpsdata/GPSData.h"

namespace files::SectionMessages {

void Raise(gpsdata::GPSData& data, const QString& text) {
    emit data.FileError(text);
}

QString CountCut(const QString& what, const QString& one, int limit) {
    return QStringLiteral("%1 after %2 #%3 ignored.").arg(what, one).arg(limit);
}

int ReadCount(ByteReader& in, gpsdata::GPSData& data, int limit, const QString& what, const QString& one) {
    const int count = in.ReadInt16();
    if (count <= limit || in.PastEnd())
        return count;
    Raise(data, CountCut(what, one, limit));
    return limit;
}

} // namespace files::SectionMessages
