#include "editors/frmEditWaypoints.h"

#include "editors/DateText.h"
#include "editors/ListRow.h"
#include "files/ClipboardRecords.h"
#include "geo/PositionText.h"

namespace editors {

namespace {
enum Column { Name, Latitude, Longitude, Date, Number };
}

frmEditWaypoints::frmEditWaypoints(EditorContext& context, QWidget* parent)
    : ObjectListWindow(context,
                       {QStringLiteral("Waypoint List"),
                        QStringLiteral("frmEditWaypoints"),
                        QStringLiteral("lvwWaypoints"),
                        QStringLiteral("Wpt "),
                        QStringLiteral("Waypoint"),
                        QStringLiteral("waypoint"),
                        {QStringLiteral("Name"), QStringLiteral("Latitude"), QStringLiteral("Longitude"),
                         QStringLiteral("Date"), QStringLiteral("Number")}},
                       {&gpsdata::GPSData::Waypoints, &gpsdata::GPSData::Waypoint,
                        &gpsdata::GPSData::DeleteWaypoint, &files::ClipboardRecords::PasteWaypoints,
                        &gpsdata::WaypointObject::WptName, &gpsdata::WaypointObject::SetWptName,
                        &EditorContext::openWaypoint},
                       parent) {
    Follow(&gpsdata::GPSData::WaypointAdded, &gpsdata::GPSData::WaypointChanged,
           &gpsdata::GPSData::WaypointRemoved, &gpsdata::GPSData::WaypointListModified);
    Fill();
}

bool frmEditWaypoints::Keeps(const gpsdata::WaypointObject& waypoint) const {
    return waypoint.WaypointType() == 0;
}

void frmEditWaypoints::WriteRow(ListRow& row, qint16 index) {
    const gpsdata::WaypointObject& w = *Find(index);
    const int format = data_.PositionFormat();
    row.setText(Name, w.WptName());
    row.setIcon(Name, icons_.Icon(w.WptSymbol(), devicePixelRatioF()));
    row.setText(Latitude, geo::FormatLatitude(w.Y(), format));
    row.SetSortValue(Latitude, w.Y());
    row.setText(Longitude, geo::FormatLongitude(w.X(), format));
    row.SetSortValue(Longitude, w.X());
    row.setText(Date, DateText(w.DateModified()));
    row.SetSortValue(Date, w.DateModified());
    row.setText(Number, QStringLiteral("%1").arg(index + 1, 3, 10, QLatin1Char('0')));
}

} // namespace editors
