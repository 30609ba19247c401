#include "editors/frmEditWaypoints.h"

#include "editors/DateText.h"
#include "editors/ListRow.h"
#include "files/ClipboardRecords.h"
#include "geo/PositionText.h"
#include "gpsdata/GPSData.h"

namespace editors {

namespace {
enum Column { Name, Latitude, Longitude, Date, Number };
}

frmEditWaypoints::frmEditWaypoints(EditorContext& context, QWidget* parent)
    : ListWindow(context,
                 {QStringLiteral("Waypoint List"),
                  QStringLiteral("frmEditWaypoints"),
                  QStringLiteral("lvwWaypoints"),
                  QStringLiteral("Wpt "),
                  QStringLiteral("Waypoint"),
                  QStringLiteral("waypoint"),
                  {QStringLiteral("Name"), QStringLiteral("Latitude"), QStringLiteral("Longitude"),
                   QStringLiteral("Date"), QStringLiteral("Number")}},
                 parent) {
    Follow(&gpsdata::GPSData::WaypointAdded, &gpsdata::GPSData::WaypointChanged,
           &gpsdata::GPSData::WaypointRemoved, &gpsdata::GPSData::WaypointListModified);
    Fill();
}

QList<qint16> frmEditWaypoints::ListedIndexes() const {
    QList<qint16> indexes;
    for (const auto& entry : data_.Waypoints())
        if (entry.object->WaypointType() == 0)
            indexes << entry.key;
    return indexes;
}

bool frmEditWaypoints::Listed(qint16 index) const {
    const gpsdata::WaypointObject* waypoint = data_.Waypoint(index);
    return waypoint && waypoint->WaypointType() == 0;
}

void frmEditWaypoints::WriteRow(ListRow& row, qint16 index) {
    const gpsdata::WaypointObject& w = *data_.Waypoint(index);
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

QString frmEditWaypoints::RecordText(qint16 index) const {
    return data_.Waypoint(index)->MakeString();
}

QList<qint16> frmEditWaypoints::InsertRecords(const QString& text) {
    return files::ClipboardRecords::PasteWaypoints(data_, text);
}

void frmEditWaypoints::DeleteObject(qint16 index) {
    data_.DeleteWaypoint(index);
}

QString frmEditWaypoints::ObjectName(qint16 index) const {
    return data_.Waypoint(index)->WptName();
}

void frmEditWaypoints::Rename(qint16 index, const QString& name) {
    data_.Waypoint(index)->SetWptName(name);
}

void frmEditWaypoints::OpenEditor(qint16 index) {
    if (context_.openWaypoint)
        context_.openWaypoint(index);
}

} // namespace editors
