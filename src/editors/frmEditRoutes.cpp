#include "editors/frmEditRoutes.h"

#include "editors/ListRow.h"
#include "files/ClipboardRecords.h"
#include "mapview/WindowObject.h"

namespace editors {

namespace {
enum Column { Name, TotalDistance, Waypoints, Number };
}

frmEditRoutes::frmEditRoutes(EditorContext& context, QWidget* parent)
    : ObjectListWindow(context,
                       {QStringLiteral("Route List"),
                        QStringLiteral("frmEditRoutes"),
                        QStringLiteral("lvwRoutes"),
                        QStringLiteral("Rte "),
                        QStringLiteral("Route"),
                        QStringLiteral("route"),
                        {QStringLiteral("Name"), QStringLiteral("Total Distance"),
                         QStringLiteral("Waypoints"), QStringLiteral("Number")},
                        true,
                        false},
                       {&gpsdata::GPSData::Routes, &gpsdata::GPSData::Route, &gpsdata::GPSData::DeleteRoute,
                        &files::ClipboardRecords::PasteRoutes, &gpsdata::RouteObject::RteName,
                        &gpsdata::RouteObject::SetRteName, &EditorContext::openRoute},
                       parent) {
    Follow(&gpsdata::GPSData::RouteAdded, &gpsdata::GPSData::RouteChanged, &gpsdata::GPSData::RouteRemoved,
           &gpsdata::GPSData::RouteListModified);
    connect(&data_, &gpsdata::GPSData::WaypointChanged, this,
            [this](int waypoint) { WaypointMoved(static_cast<qint16>(waypoint)); });
    connect(&data_, &gpsdata::GPSData::WaypointListModified, this, &frmEditRoutes::Fill);
    Fill();
}

void frmEditRoutes::WriteRow(ListRow& row, qint16 index) {
    const gpsdata::RouteObject& r = *Find(index);
    const double miles = r.TotalDistance();
    row.setText(Name, r.RteName());
    row.setText(TotalDistance, context_.window.FormatDistance(miles));
    row.SetSortValue(TotalDistance, miles);
    row.setText(Waypoints, QString::number(r.NumWaypoints()));
    row.SetSortValue(Waypoints, r.NumWaypoints());
    row.setText(Number, QStringLiteral("%1").arg(index + 1, 2, 10, QLatin1Char('0')));
}

void frmEditRoutes::AddPopupEntries(QMenu& menu, qint16 index) {
    // Waypoints inserted from the list go to the end of the route.
    const gpsdata::RouteObject& route = *Find(index);
    context_.popups.AddRouteEntries(menu, route, route.NumWaypoints());
}

void frmEditRoutes::WaypointMoved(qint16 waypoint) {
    for (const auto& entry : data_.Routes())
        if (entry.object->Waypoints().contains(waypoint))
            Refresh(entry.key);
}

} // namespace editors
