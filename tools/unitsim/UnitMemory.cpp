#include "UnitMemory.h"

#include "linkpod/Frame.h"
#include "linkpod/PayloadWriter.h"
#include "linkpod/RecordCodec.h"
#include "linkpod/TrailSimplifier.h"

using namespace linkpod;

namespace unitsim {

namespace {

// So that the reply with every waypoint of the route fits one packet.
constexpr int MaxRouteFromTrail = 200;

template <typename Map> std::int32_t Last(const Map& items) {
    return items.empty() ? -1 : items.rbegin()->first;
}

} // namespace

MemoryStatus UnitMemory::Status() const {
    return MemoryStatus{Last(waypoints_), Last(routes_), Last(icons_), Last(trails_), iconCount_};
}

Reply UnitMemory::Result(Command request, std::uint16_t code, std::uint32_t value) const {
    PayloadWriter w;
    w.U8(static_cast<std::uint8_t>(request)).U16(code).U32(value);
    codec::Put(w, Status());
    return {Command::Result, w.Data()};
}

// Slot `index` and, when asked for more, the slots after it: as many of them
// as fit one packet.
template <typename Map> Reply UnitMemory::Get(Command reply, const Map& items, PayloadReader& in) const {
    const std::uint16_t first = in.U16();
    const int count = in.AtEnd() ? 1 : std::max<int>(in.U8(), 1);
    PayloadWriter w;
    for (int index = first; index < first + count && index <= 0xFFFF; ++index) {
        PayloadWriter item;
        const auto it = items.find(static_cast<std::uint16_t>(index));
        item.U8(it != items.end() ? 1 : 0);
        typename Map::mapped_type empty{};
        empty.index = static_cast<std::uint16_t>(index);
        codec::Put(item, it != items.end() ? it->second : empty);
        if (index > first && w.Data().size() + item.Data().size() > framing::MaxPayload)
            break;
        w.Raw(item.Data());
    }
    return {reply, w.Data()};
}

bool UnitMemory::FitsName(const QString& name) const {
    return name.toUtf8().size() <= limits_.maxNameBytes;
}

int UnitMemory::FreeSlot(int max, auto const& items) const {
    for (int i = 0; i < max; ++i)
        if (!items.count(static_cast<std::uint16_t>(i)))
            return i;
    return -1;
}

std::optional<Reply> UnitMemory::Handle(Command kind, PayloadReader& in) {
    switch (kind) {
    case Command::GetWaypoint:
        return Get(Command::Waypoint, waypoints_, in);
    case Command::PutWaypoint:
        return PutEach(&UnitMemory::PutWaypoint, in);
    case Command::EraseWaypoint: {
        const std::uint16_t index = in.U16();
        if (index >= limits_.maxWaypoints)
            return Result(kind, result::BadIndex, index);
        waypoints_.erase(index);
        return Result(kind, result::Ok, index);
    }
    case Command::GetRoute:
        return Get(Command::Route, routes_, in);
    case Command::PutRoute:
        return PutEach(&UnitMemory::PutRoute, in);
    case Command::GetIcon:
        return Get(Command::Icon, icons_, in);
    case Command::PutIcon:
        return PutEach(&UnitMemory::PutIcon, in);
    case Command::GetIconCount:
        return Reply{Command::IconCount, PayloadWriter().U16(iconCount_).Data()};
    case Command::PutIconCount: {
        const std::uint16_t count = in.U16();
        if (count > limits_.maxIcons)
            return Result(kind, result::Full, count);
        iconCount_ = count;
        std::erase_if(icons_, [count](const auto& item) { return item.first >= count; });
        return Result(kind, result::Ok, count);
    }
    case Command::GetTrailHeader: {
        const std::uint16_t index = in.U16();
        const auto it = trails_.find(index);
        PayloadWriter w;
        w.U16(index).U8(it != trails_.end() ? 1 : 0);
        w.Text(it != trails_.end() ? it->second.name : QString());
        w.U32(it != trails_.end() ? static_cast<std::uint32_t>(it->second.points.size()) : 0);
        return Reply{Command::TrailHeader, w.Data()};
    }
    case Command::GetTrailPoints:
        return GetTrailPoints(in);
    case Command::OpenTrail:
        return OpenTrail(in);
    case Command::PutTrailPoints:
        return PutTrailPoints(in);
    case Command::CloseTrail: {
        if (!openTrail_)
            return Result(kind, result::BadRequest);
        const std::uint16_t index = openTrail_->index;
        trails_[index] = *openTrail_;
        openTrail_.reset();
        return Result(kind, result::Ok, index);
    }
    case Command::ClearList:
        return Clear(in);
    case Command::MakeRouteFromTrail:
        return MakeRoute(in);
    default:
        return std::nullopt;
    }
}

// A write request holds one or more records, stored in order; the first one
// refused ends it with its result.
Reply UnitMemory::PutEach(Reply (UnitMemory::*put)(PayloadReader&), PayloadReader& in) {
    Reply reply = (this->*put)(in);
    while (!in.AtEnd()) {
        PayloadReader result(reply.payload);
        result.U8();
        if (result.U16() != result::Ok)
            break;
        reply = (this->*put)(in);
    }
    return reply;
}

Reply UnitMemory::PutWaypoint(PayloadReader& in) {
    const UserWaypoint w = codec::GetWaypoint(in);
    if (!in.Ok())
        return Result(Command::PutWaypoint, result::BadRequest);
    if (w.index >= limits_.maxWaypoints)
        return Result(Command::PutWaypoint, result::BadIndex, w.index);
    if (!FitsName(w.name) || w.comment.toUtf8().size() > limits_.maxCommentBytes)
        return Result(Command::PutWaypoint, result::BadRequest, w.index);
    waypoints_[w.index] = w;
    return Result(Command::PutWaypoint, result::Ok, w.index);
}

Reply UnitMemory::PutRoute(PayloadReader& in) {
    const UserRoute r = codec::GetRoute(in);
    if (!in.Ok())
        return Result(Command::PutRoute, result::BadRequest);
    if (r.index >= limits_.maxRoutes)
        return Result(Command::PutRoute, result::BadIndex, r.index);
    if (r.waypoints.size() > limits_.maxWaypointsPerRoute)
        return Result(Command::PutRoute, result::Full, r.index);
    if (!FitsName(r.name))
        return Result(Command::PutRoute, result::BadRequest, r.index);
    // A route without name and waypoints erases its slot.
    if (r.name.isEmpty() && r.waypoints.isEmpty())
        routes_.erase(r.index);
    else
        routes_[r.index] = r;
    return Result(Command::PutRoute, result::Ok, r.index);
}

Reply UnitMemory::PutIcon(PayloadReader& in) {
    const UserIcon i = codec::GetIcon(in);
    if (!in.Ok())
        return Result(Command::PutIcon, result::BadRequest);
    if (i.index >= limits_.maxIcons)
        return Result(Command::PutIcon, result::BadIndex, i.index);
    icons_[i.index] = i;
    iconCount_ = std::max<std::uint16_t>(iconCount_, i.index + 1);
    return Result(Command::PutIcon, result::Ok, i.index);
}

Reply UnitMemory::GetTrailPoints(PayloadReader& in) {
    const std::uint16_t index = in.U16();
    const std::uint32_t first = in.U32();
    const std::uint16_t max = std::min<std::uint16_t>(in.U16(), 512);
    const auto it = trails_.find(index);
    QList<TrailPoint> part;
    if (it != trails_.end() && first < static_cast<std::uint32_t>(it->second.points.size()))
        part = it->second.points.mid(first, max);
    PayloadWriter w;
    w.U16(index).U32(first);
    codec::PutTrailPoints(w, part);
    return {Command::TrailPoints, w.Data()};
}

Reply UnitMemory::OpenTrail(PayloadReader& in) {
    UserTrail t;
    t.index = in.U16();
    const std::uint32_t capacity = in.U32();
    t.name = in.Text();
    if (!in.Ok())
        return Result(Command::OpenTrail, result::BadRequest);
    if (t.index >= limits_.maxTrails)
        return Result(Command::OpenTrail, result::BadIndex, t.index);
    if (limits_.maxTrailPoints > 0 && capacity > limits_.maxTrailPoints)
        return Result(Command::OpenTrail, result::Full, t.index);
    if (!FitsName(t.name))
        return Result(Command::OpenTrail, result::BadRequest, t.index);
    openTrail_ = t;
    openCapacity_ = capacity;
    return Result(Command::OpenTrail, result::Ok, t.index);
}

Reply UnitMemory::PutTrailPoints(PayloadReader& in) {
    const QList<TrailPoint> points = codec::GetTrailPoints(in);
    if (!openTrail_ || !in.Ok())
        return Result(Command::PutTrailPoints, result::BadRequest);
    if (static_cast<std::uint32_t>(openTrail_->points.size() + points.size()) > openCapacity_)
        return Result(Command::PutTrailPoints, result::Full);
    openTrail_->points.append(points);
    return Result(Command::PutTrailPoints, result::Ok, static_cast<std::uint32_t>(openTrail_->points.size()));
}

Reply UnitMemory::Clear(PayloadReader& in) {
    switch (static_cast<ListKind>(in.U8())) {
    case ListKind::Waypoints:
        waypoints_.clear();
        break;
    case ListKind::Routes:
        routes_.clear();
        break;
    case ListKind::Icons:
        icons_.clear();
        iconCount_ = 0;
        break;
    case ListKind::Trails:
        trails_.clear();
        break;
    default:
        return Result(Command::ClearList, result::BadRequest);
    }
    return Result(Command::ClearList, result::Ok);
}

Reply UnitMemory::MakeRoute(PayloadReader& in) {
    const std::uint16_t trailIndex = in.U16();
    const auto it = trails_.find(trailIndex);
    if (it == trails_.end() || it->second.points.isEmpty())
        return Result(Command::MakeRouteFromTrail, result::BadIndex, trailIndex);
    const int routeSlot = FreeSlot(limits_.maxRoutes, routes_);
    const QList<int> kept =
        SimplifyTrail(it->second.points, std::min<int>(limits_.maxWaypointsPerRoute, MaxRouteFromTrail));
    const int free = limits_.maxWaypoints - static_cast<int>(waypoints_.size());
    if (routeSlot < 0 || kept.size() > free)
        return Result(Command::MakeRouteFromTrail, result::Full, trailIndex);
    UserRoute route;
    route.index = static_cast<std::uint16_t>(routeSlot);
    route.name = it->second.name;
    QList<UserWaypoint> made;
    for (const int k : kept) {
        UserWaypoint w;
        w.index = static_cast<std::uint16_t>(FreeSlot(limits_.maxWaypoints, waypoints_));
        w.x = it->second.points[k].x;
        w.y = it->second.points[k].y;
        w.name = QStringLiteral("T%1").arg(w.index, 3, 10, QLatin1Char('0'));
        waypoints_[w.index] = w;
        route.waypoints.append(w.index);
        made.append(w);
    }
    routes_[route.index] = route;
    PayloadWriter w;
    codec::Put(w, route);
    w.U16(static_cast<std::uint16_t>(made.size()));
    for (const auto& m : made)
        codec::Put(w, m);
    return {Command::RouteFromTrail, w.Data()};
}

} // namespace unitsim
