#include "editors/frmEditRoutes.h"

#include "editors/ListRow.h"
#include "files/ClipboardRecords.h"
#include "gpsdata/GPSData.h"
#include "mapview/WindowObject.h"

namespace editors {

namespace {
enum Column { Name, TotalDistance, Waypoints, Number };
}

frmEditRoutes::frmEditRoutes(EditorContext& context, QWidget* parent)
    : ListWindow(context,
                 {QStringLiteral("Route List"),
                  QStringLiteral("frmEditRoutes"),
                  QStringLiteral("lvwRoutes"),
                  QStringLiteral("Rte "),
                  QStringLiteral("Route"),
                  QStringLiteral("route"),
                  {QStringLiteral("Name"), QStringLiteral("Total Distance"), QStringLiteral("Waypoints"),
                   QStringLiteral("Number")},
                  true,
                  false},
                 parent) {
    Follow(&gpsdata::GPSData::RouteAdded, &gpsdata::GPSData::RouteChanged, &gpsdata::GPSData::RouteRemoved,
           &gpsdata::GPSData::RouteListModified);
    connect(&data_, &gpsdata::GPSData::WaypointChanged, this,
            [this](int waypoint) { WaypointMoved(static_cast<qint16>(waypoint)); });
    connect(&data_, &gpsdata::GPSData::WaypointListModified, this, &frmEditRoutes::Fill);
    Fill();
}

QList<qint16> frmEditRoutes::ListedIndexes() const {
    return data_.Routes().Keys();
}

bool frmEditRoutes::Listed(qint16 index) const {
    return data_.Route(index) != nullptr;
}

void frmEditRoutes::WriteRow(ListRow& row, qint16 index) {
    const gpsdata::RouteObject& r = *data_.Route(index);
    const double miles = r.TotalDistance();
    row.setText(Name, r.RteName());
    row.setText(TotalDistance, context_.window.FormatDistance(miles));
    row.SetSortValue(TotalDistance, miles);
    row.setText(Waypoints, QString::number(r.NumWaypoints()));
    row.SetSortValue(Waypoints, r.NumWaypoints());
    row.setText(Number, QStringLiteral("%1").arg(index + 1, 2, 10, QLatin1Char('0')));
}

void frmEditRoutes::WaypointMoved(qint16 waypoint) {
    for (const auto& entry : data_.Routes())
        if (entry.object->Waypoints().contains(waypoint))
            Refresh(entry.key);
}

QString frmEditRoutes::RecordText(qint16 index) const {
    return data_.Route(index)->MakeString();
}

QList<qint16> frmEditRoutes::InsertRecords(const QString& text) {
    return files::ClipboardRecords::PasteRoutes(data_, text);
}

void frmEditRoutes::DeleteObject(qint16 index) {
    data_.DeleteRoute(index);
}

QString frmEditRoutes::ObjectName(qint16 index) const {
    return data_.Route(index)->RteName();
}

void frmEditRoutes::Rename(qint16 index, const QString& name) {
    data_.Route(index)->SetRteName(name);
}

void frmEditRoutes::OpenEditor(qint16 index) {
    if (context_.openRoute)
        context_.openRoute(index);
}

} // namespace editors
