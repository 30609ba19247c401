#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace gpsdata {
class GPSData;
}

namespace files {

// Writes waypoints, or the waypoints of routes in route order, as a position
// list that the import reads back.
class PositionListExport {
public:
    static QString DefaultFileName() { return QStringLiteral("Output.TXT"); }
    static QString DialogTitle(bool routes) { return routes ? "Export Routes" : "Export Waypoints"; }

    // One line per waypoint index (indexes without a waypoint are left out).
    static QStringList WaypointLines(const gpsdata::GPSData& data, const QList<qint16>& waypoints,
                                     bool names);
    // One line per entry of each route, in route order.
    static QStringList RouteLines(const gpsdata::GPSData& data, const QList<qint16>& routes, bool names);

    // Writes the lines (CR LF after each) through a temporary file; the
    // reason on failure, "" on success.
    static QString Save(const QString& path, const QStringList& lines);
};

} // namespace files
