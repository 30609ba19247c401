#include "print/PrintTables.h"

#include "geo/PositionText.h"
#include "gpsdata/GPSData.h"

namespace print {

namespace {

const QStringList WaypointCaptions = {QStringLiteral("Number"), QStringLiteral("Name"),
                                      QStringLiteral("Latitude"), QStringLiteral("Longitude")};
const QList<int> WaypointColumns = {5, 13, 28, 41};
const QStringList IconCaptions = {QStringLiteral("Number"), QStringLiteral("Icon"),
                                  QStringLiteral("Latitude"), QStringLiteral("Longitude")};
const QList<int> IconColumns = {5, 13, 18, 31};

// A data set that was never given a format shows degrees and minutes.
int Format(const gpsdata::GPSData& data) {
    return data.PositionFormat() > 0 ? data.PositionFormat() : 3;
}

TableRow PositionRow(int index, const QString& name, qint32 x, qint32 y, int format) {
    return {
        {QString::number(index + 1), name, geo::FormatLatitude(y, format), geo::FormatLongitude(x, format)}};
}

TableRow WaypointRow(const gpsdata::WaypointObject& w, int format) {
    return PositionRow(w.WptIndex(), w.WptName(), w.X(), w.Y(), format);
}

// The chosen objects of a collection in the collection's order.
template <typename Collection, typename Visit>
void ForChosen(const Collection& collection, const QList<qint16>& items, Visit visit) {
    for (const auto& entry : collection)
        if (items.contains(entry.key))
            visit(*entry.object);
}

} // namespace

QList<TableSection> PrintTables::Waypoints(const gpsdata::GPSData& data, const QList<qint16>& items) {
    TableSection section{QStringLiteral("Waypoints"), WaypointCaptions, WaypointColumns, {}};
    const int format = Format(data);
    ForChosen(data.Waypoints(), items,
              [&](const gpsdata::WaypointObject& w) { section.rows << WaypointRow(w, format); });
    return {section};
}

QList<TableSection> PrintTables::Routes(const gpsdata::GPSData& data, const QList<qint16>& items) {
    QList<TableSection> sections;
    const int format = Format(data);
    ForChosen(data.Routes(), items, [&](const gpsdata::RouteObject& route) {
        TableSection section{QStringLiteral("Route ") + QString::number(route.RteIndex() + 1) +
                                 QStringLiteral(": ") + route.RteName(),
                             WaypointCaptions,
                             WaypointColumns,
                             {}};
        for (qint16 index : route.Waypoints())
            if (const gpsdata::WaypointObject* w = data.Waypoint(index))
                section.rows << WaypointRow(*w, format);
        sections << section;
    });
    return sections;
}

QList<TableSection> PrintTables::Icons(const gpsdata::GPSData& data, const QList<qint16>& items) {
    TableSection section{QStringLiteral("Icons"), IconCaptions, IconColumns, {}};
    const int format = Format(data);
    ForChosen(data.Icons(), items, [&](const gpsdata::IconObject& icon) {
        TableRow row = PositionRow(icon.IcnIndex(), QString(), icon.X(), icon.Y(), format);
        row.symbol = icon.IcnSymbol();
        section.rows << row;
    });
    return {section};
}

} // namespace print
