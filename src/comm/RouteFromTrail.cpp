#include "comm/RouteFromTrail.h"

#include "comm/Connection.h"
#include "files/UserRecords.h"
#include "linkpod/LinkPod.h"

namespace comm {

RouteFromTrail::RouteFromTrail(Connection& session, gpsdata::GPSData& data, QObject* parent)
    : QObject(parent), session_(session), data_(data) {
    connect(&session_, &Connection::TrailRouteReady, this, &RouteFromTrail::OnTrailRouteReady);
    // A refused or lost request leaves nothing to wait for.
    connect(&session_, &Connection::LurchError, this, [this] { pending_ = false; });
}

void RouteFromTrail::CreateRoute(qint16 trailIndex) {
    const gpsdata::TrailObject* trail = data_.Trail(trailIndex);
    if (!trail || pending_)
        return;
    trailName_ = trail->TrlName();
    pending_ = true;
    session_.MakeRouteFromTrail(files::UserRecords::SetUserTrail(*trail), data_.MaxNumGPSWptsPerRoute());
}

void RouteFromTrail::OnTrailRouteReady(int routeIndex, int) {
    if (!pending_)
        return;
    pending_ = false;
    linkpod::UserDataStore& store = session_.Pod().Store();
    const linkpod::UserRoute* made = store.routes.Find(static_cast<std::uint16_t>(routeIndex));
    gpsdata::RouteObject* route = made ? data_.AddNewRoute() : nullptr;
    if (route) {
        route->SetRteName(QStringLiteral("(") + trailName_ + u')');
        for (const std::uint16_t index : made->waypoints) {
            const linkpod::UserWaypoint* w = store.waypoints.Find(index);
            gpsdata::WaypointObject* added = w ? data_.AddNewWaypoint() : nullptr;
            if (!added)
                break;
            added->SetX(w->x);
            added->SetY(w->y);
            added->SetWptName(w->name);
            added->SetWptSymbol(files::UserRecords::ProgramSymbol(w->symbol));
            added->SetWaypointType(w->type);
            route->AddWaypoint(added->WptIndex());
        }
    }
    store.trails.Clear();
    store.waypoints.Clear();
    store.routes.Erase(static_cast<std::uint16_t>(routeIndex));
    emit RouteCreated(route ? route->RteIndex() : qint16(-1));
}

} // namespace comm
