#include "files/PositionListExport.h"

#include "files/PositionLine.h"
#include "gpsdata/GPSData.h"

#include <QSaveFile>

namespace files {
namespace {

void AddLine(QStringList& lines, const gpsdata::WaypointObject* w, bool names) {
    if (w)
        lines << PositionLine::Format(w->Latitude(), w->Longitude(), names ? w->WptName() : QString());
}

} // namespace

QStringList PositionListExport::WaypointLines(const gpsdata::GPSData& data, const QList<qint16>& waypoints,
                                              bool names) {
    QStringList lines;
    for (qint16 index : waypoints)
        AddLine(lines, data.Waypoint(index), names);
    return lines;
}

QStringList PositionListExport::RouteLines(const gpsdata::GPSData& data, const QList<qint16>& routes,
                                           bool names) {
    QStringList lines;
    for (qint16 index : routes) {
        const gpsdata::RouteObject* route = data.Route(index);
        for (int leg = 0; route && leg < route->NumWaypoints(); ++leg)
            AddLine(lines, route->Waypoint(leg), names);
    }
    return lines;
}

QString PositionListExport::Save(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    QSaveFile file(path);
    // commit() misses a write that fails while the buffer empties: flush first.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit())
        return file.errorString();
    return {};
}

} // namespace files
