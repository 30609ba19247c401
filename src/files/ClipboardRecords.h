#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace gpsdata {
class GPSData;
class IconObject;
class RouteObject;
class TrailObject;
class WaypointObject;
} // namespace gpsdata

namespace files {

// Clipboard text: the text records of several objects joined with CR LF, and
// taken apart again record by record from the front. Text that is not a
// record of the kind asked for is skipped up to the next field that holds the
// kind's tag.
class ClipboardRecords {
public:
    static QString Join(const QStringList& records) { return records.join(QStringLiteral("\r\n")); }

    // Parsed objects belong to `data` (they use its settings and limits) but
    // are not in its collections.
    static std::vector<std::unique_ptr<gpsdata::WaypointObject>> Waypoints(gpsdata::GPSData& data,
                                                                           QString text);
    static std::vector<std::unique_ptr<gpsdata::RouteObject>> Routes(gpsdata::GPSData& data, QString text);
    static std::vector<std::unique_ptr<gpsdata::IconObject>> Icons(gpsdata::GPSData& data, QString text);
    static std::vector<std::unique_ptr<gpsdata::TrailObject>> Trails(gpsdata::GPSData& data, QString text);

    // Pastes the waypoint records of `text`: each in the next free slot with
    // its position, symbol and date, an automatic name following the new
    // slot. Stops when no slot is free (the data set says so). Returns the
    // new indexes.
    static QList<qint16> PasteWaypoints(gpsdata::GPSData& data, const QString& text);
    // The same for routes (their legs as in the record, up to the unit's
    // limits: the first leg refused ends the paste with the route's reason
    // under "Paste Error"), icons and trails.
    static QList<qint16> PasteRoutes(gpsdata::GPSData& data, const QString& text);
    static QList<qint16> PasteIcons(gpsdata::GPSData& data, const QString& text);
    static QList<qint16> PasteTrails(gpsdata::GPSData& data, const QString& text);
};

} // namespace files
