#include "linkpod/StoreItemPath.h"

#include "linkpod/LinkErrorText.h"
#include "linkpod/TrailSimplifier.h"

namespace linkpod {

StoreItemPath::StoreItemPath(UserDataStore& store, QObject* parent) : ItemPath(parent), store_(store) {}

void StoreItemPath::ReadWaypoint(int index) {
    const UserWaypoint* w = store_.waypoints.Find(static_cast<std::uint16_t>(index));
    UserWaypoint copy = w ? *w : UserWaypoint{};
    copy.index = static_cast<std::uint16_t>(index);
    Later([this, index, found = w != nullptr, copy] { emit Waypoint(index, found, copy); });
}

void StoreItemPath::ReadRoute(int index) {
    const UserRoute* r = store_.routes.Find(static_cast<std::uint16_t>(index));
    UserRoute copy = r ? *r : UserRoute{};
    copy.index = static_cast<std::uint16_t>(index);
    Later([this, index, copy] { emit Route(index, copy); });
}

void StoreItemPath::ReadIcon(int index) {
    const UserIcon* i = store_.icons.Find(static_cast<std::uint16_t>(index));
    const UserIcon copy = i ? *i : UserIcon{};
    Later([this, index = i ? index : -1, copy] { emit Icon(index, copy); });
}

void StoreItemPath::ReadTrail(int index) {
    const UserTrail* t = store_.trails.Find(static_cast<std::uint16_t>(index));
    UserTrail copy = t ? *t : UserTrail{};
    copy.index = static_cast<std::uint16_t>(index);
    Later([this, index, copy] { emit Trail(index, copy); });
}

void StoreItemPath::ReadIconCount() {
    Later([this, count = store_.icons.LastIndex() + 1] { emit NumIcons(count); });
}

int StoreItemPath::ReadLastIndex(ListKind kind) const {
    switch (kind) {
    case ListKind::Waypoints:
        return store_.waypoints.LastIndex();
    case ListKind::Routes:
        return store_.routes.LastIndex();
    case ListKind::Icons:
        return store_.icons.LastIndex();
    case ListKind::Trails:
        return store_.trails.LastIndex();
    }
    return -1;
}

void StoreItemPath::WriteWaypoint(const UserWaypoint& waypoint) {
    store_.waypoints.Put(waypoint);
    Later([this, index = waypoint.index] { emit WaypointSent(index); });
}

void StoreItemPath::EraseWaypoint(int index) {
    store_.waypoints.Erase(static_cast<std::uint16_t>(index));
    Later([this, index] { emit WaypointSent(index); });
}

void StoreItemPath::WriteRoute(const UserRoute& route) {
    if (route.name.isEmpty() && route.waypoints.isEmpty())
        store_.routes.Erase(route.index);
    else
        store_.routes.Put(route);
    Later([this, index = route.index] { emit RouteSent(index); });
}

void StoreItemPath::WriteIcon(const UserIcon& icon) {
    store_.icons.Put(icon);
    Later([this, index = icon.index] { emit IconSent(index); });
}

void StoreItemPath::WriteIconCount(int count) {
    store_.icons.Truncate(static_cast<std::uint16_t>(std::clamp(count, 0, 65535)));
    Later([this] { emit NumIconsSent(); });
}

void StoreItemPath::OpenTrail(int index, int size, const QString& name) {
    Q_UNUSED(size);
    outgoing_ = UserTrail{static_cast<std::uint16_t>(index), name, {}};
}

void StoreItemPath::WriteTrail(const QList<TrailPoint>& points) {
    outgoing_.points.append(points);
    Later([this, n = static_cast<int>(points.size())] { emit TrailPacketSent(n); });
}

void StoreItemPath::CloseTrail() {
    store_.trails.Put(outgoing_);
    Later([this, index = outgoing_.index] { emit TrailSent(index); });
}

void StoreItemPath::Clear(ListKind kind) {
    switch (kind) {
    case ListKind::Waypoints:
        return store_.waypoints.Clear();
    case ListKind::Routes:
        return store_.routes.Clear();
    case ListKind::Icons:
        return store_.icons.Clear();
    case ListKind::Trails:
        return store_.trails.Clear();
    }
}

void StoreItemPath::MakeRouteFromTrail(int index, int maxWaypoints) {
    const UserTrail* trail = store_.trails.Find(static_cast<std::uint16_t>(index));
    if (!trail || trail->points.isEmpty())
        return Later([this, index] {
            emit Refused(LinkErrorText::Refused(Command::MakeRouteFromTrail, result::BadIndex, index));
        });
    UserRoute route{static_cast<std::uint16_t>(store_.routes.LastIndex() + 1), trail->name, {}};
    for (const int k : SimplifyTrail(trail->points, maxWaypoints)) {
        UserWaypoint w;
        w.index = static_cast<std::uint16_t>(store_.waypoints.LastIndex() + 1);
        w.x = trail->points[k].x;
        w.y = trail->points[k].y;
        w.name = QStringLiteral("T%1").arg(w.index, 3, 10, QLatin1Char('0'));
        store_.waypoints.Put(w);
        route.waypoints.append(w.index);
    }
    store_.routes.Put(route);
    Later([this, route] { emit TrailRouteReady(route.index, static_cast<int>(route.waypoints.size())); });
}

} // namespace linkpod
