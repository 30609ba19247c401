#include "files/SectionMessages.h"

#include "gpsdata/GPSData.h"

namespace files::SectionMessages {

void Raise(gpsdata::GPSData& data, const QString& text) {
    emit data.FileError(text);
}

QString CountCut(const QString& what, const QString& one, int limit) {
    return QStringLiteral("%1 after %2 #%3 ignored.").arg(what, one).arg(limit);
}

} // namespace files::SectionMessages
