#include "linkpod/UnitItemPath.h"

#include "linkpod/LinkErrorText.h"
#include "linkpod/PayloadReader.h"
#include "linkpod/PayloadWriter.h"
#include "linkpod/RecordCodec.h"
#include "linkpod/UnitLink.h"
#include "linkpod/UnitText.h"

namespace linkpod {

namespace {

// Slots asked for in one item request; the unit sends as many as fit a packet.
constexpr int ReadAheadSlots = 64;

bool IsItemRequest(Command request) {
    return request >= Command::GetWaypoint && request <= Command::MakeRouteFromTrail;
}

bool IsTrailWrite(Command request) {
    return request == Command::OpenTrail || request == Command::PutTrailPoints ||
           request == Command::CloseTrail;
}

// Requests that change the unit's item lists: a refused one ends the upload.
bool IsItemWrite(Command request) {
    switch (request) {
    case Command::PutWaypoint:
    case Command::EraseWaypoint:
    case Command::PutRoute:
    case Command::PutIcon:
    case Command::PutIconCount:
    case Command::ClearList:
        return true;
    default:
        return IsTrailWrite(request);
    }
}

QByteArray Index(int index) {
    return PayloadWriter().U16(static_cast<std::uint16_t>(index)).Data();
}

template <typename Record> QByteArray Encoded(const Record& r) {
    PayloadWriter w;
    codec::Put(w, r);
    return w.Data();
}

} // namespace

UnitItemPath::UnitItemPath(const UnitLimits& limits, UserDataStore& store, QObject* parent)
    : ItemPath(parent), limits_(limits), store_(store),
      writes_([this](Command kind, const QByteArray& records) { Send(kind, records, Command::Result); }) {}

void UnitItemPath::Attach(UnitLink* link, std::uint16_t device) {
    link_ = link;
    device_ = device;
    memory_ = {};
    memoryRequestsOpen_ = 0;
    readAhead_.clear();
    writes_.Drop();
}

void UnitItemPath::Detach() {
    link_ = nullptr;
    device_ = 0;
}

void UnitItemPath::Send(Command kind, const QByteArray& payload, Command reply, bool followUp) {
    if (link_)
        link_->Request(kind, device_, payload, reply, followUp);
}

void UnitItemPath::Ask(Command kind, const QByteArray& payload, Command reply) {
    writes_.Flush();
    // Anything but reading may change the unit's slots: what was read ahead
    // is no longer known to be theirs.
    if (kind != Command::GetWaypoint && kind != Command::GetRoute && kind != Command::GetIcon)
        readAhead_.clear();
    Send(kind, payload, reply);
}

void UnitItemPath::BeforeOtherRequest() {
    writes_.Flush();
    readAhead_.clear();
}

// ---- reads -------------------------------------------------------------------

void UnitItemPath::ReadWaypoint(int index) {
    ReadItem(Command::GetWaypoint, Command::Waypoint, index, memory_.lastWaypoint);
}

void UnitItemPath::ReadRoute(int index) {
    ReadItem(Command::GetRoute, Command::Route, index, memory_.lastRoute);
}

void UnitItemPath::ReadIcon(int index) {
    ReadItem(Command::GetIcon, Command::Icon, index, memory_.iconCount - 1);
}

void UnitItemPath::ReadTrail(int index) {
    Ask(Command::GetTrailHeader, Index(index), Command::TrailHeader);
}

void UnitItemPath::ReadIconCount() {
    Ask(Command::GetIconCount, {}, Command::IconCount);
}

int UnitItemPath::ReadLastIndex(ListKind kind) const {
    switch (kind) {
    case ListKind::Waypoints:
        return memory_.lastWaypoint;
    case ListKind::Routes:
        return memory_.lastRoute;
    case ListKind::Icons:
        return memory_.iconCount - 1;
    case ListKind::Trails:
        return memory_.lastTrail;
    }
    return -1;
}

void UnitItemPath::RequestMemoryStatus() {
    ++memoryRequestsOpen_;
    Ask(Command::GetMemory, {}, Command::Memory);
}

void UnitItemPath::MemoryRequestSettled() {
    memoryRequestsOpen_ = std::max(0, memoryRequestsOpen_ - 1);
}

// Reads slot `index` and, when the unit holds more after it, up to
// ReadAheadSlots of them in the same reply; a slot read ahead is reported
// from what was kept.
void UnitItemPath::ReadItem(Command request, Command reply, int index, int lastInUse) {
    const auto kept = readAhead_.find({reply, static_cast<std::uint16_t>(index)});
    if (kept != readAhead_.end())
        return Later([this, reply, bytes = kept->second] {
            PayloadReader in(bytes);
            OnItem(reply, in, true);
        });
    const int count = std::clamp(lastInUse - index + 1, 1, ReadAheadSlots);
    Ask(request, PayloadWriter().U16(static_cast<std::uint16_t>(index)).U8(std::uint8_t(count)).Data(),
        reply);
}

// An item reply holds the slot asked for and, read ahead, the slots after
// it: the first is reported, the others are kept for the requests to come.
void UnitItemPath::OnItems(Command kind, const QByteArray& payload) {
    PayloadReader in(payload);
    bool first = true;
    do {
        const qsizetype start = payload.size() - in.Remaining();
        const std::uint16_t index = OnItem(kind, in, first);
        if (!first && in.Ok())
            readAhead_[{kind, index}] = payload.mid(start, payload.size() - in.Remaining() - start);
        first = false;
    } while (in.Ok() && !in.AtEnd());
}

std::uint16_t UnitItemPath::OnItem(Command kind, PayloadReader& in, bool report) {
    const bool inUse = in.U8() != 0;
    if (kind == Command::Waypoint) {
        const UserWaypoint w = codec::GetWaypoint(in);
        if (report)
            emit Waypoint(w.index, inUse && in.Ok(), w);
        return w.index;
    }
    if (kind == Command::Route) {
        UserRoute r = codec::GetRoute(in);
        if (!inUse)
            r = UserRoute{r.index, {}, {}};
        if (report)
            emit Route(r.index, r);
        return r.index;
    }
    const UserIcon i = codec::GetIcon(in);
    if (report)
        emit Icon(inUse && in.Ok() ? i.index : -1, i);
    return i.index;
}

void UnitItemPath::OnTrailHeader(PayloadReader& in) {
    incoming_ = UserTrail{};
    incoming_.index = in.U16();
    const bool inUse = in.U8() != 0;
    incoming_.name = in.Text();
    incomingTotal_ = inUse ? in.U32() : 0;
    if (incomingTotal_ == 0 || !in.Ok())
        return emit Trail(incoming_.index, incoming_);
    Send(Command::GetTrailPoints, PayloadWriter().U16(incoming_.index).U32(0).U16(TrailPacket).Data(),
         Command::TrailPoints, true);
}

void UnitItemPath::OnTrailPoints(PayloadReader& in) {
    const std::uint16_t index = in.U16();
    const std::uint32_t first = in.U32();
    const QList<TrailPoint> points = codec::GetTrailPoints(in);
    if (index != incoming_.index || first != static_cast<std::uint32_t>(incoming_.points.size()) || !in.Ok())
        return emit ReplyLost();
    incoming_.points.append(points);
    const auto have = static_cast<std::uint32_t>(incoming_.points.size());
    if (points.isEmpty() || have >= incomingTotal_)
        return emit Trail(incoming_.index, incoming_);
    Send(Command::GetTrailPoints, PayloadWriter().U16(index).U32(have).U16(TrailPacket).Data(),
         Command::TrailPoints, true);
}

// ---- writes ------------------------------------------------------------------

QString UnitItemPath::KeptName(const QString& name) const {
    return UnitText::Cut(name, limits_.maxNameBytes);
}

void UnitItemPath::WriteWaypoint(const UserWaypoint& waypoint) {
    UserWaypoint kept = waypoint;
    kept.name = KeptName(waypoint.name);
    kept.comment = UnitText::Cut(waypoint.comment, limits_.maxCommentBytes);
    WriteBehind(Command::PutWaypoint, Encoded(kept));
    Later([this, index = waypoint.index] { emit WaypointSent(index); });
}

void UnitItemPath::EraseWaypoint(int index) {
    Ask(Command::EraseWaypoint, Index(index), Command::Result);
}

void UnitItemPath::WriteRoute(const UserRoute& route) {
    WriteBehind(Command::PutRoute, Encoded(UserRoute{route.index, KeptName(route.name), route.waypoints}));
    Later([this, index = route.index] { emit RouteSent(index); });
}

void UnitItemPath::WriteIcon(const UserIcon& icon) {
    WriteBehind(Command::PutIcon, Encoded(icon));
    Later([this, index = icon.index] { emit IconSent(index); });
}

void UnitItemPath::WriteIconCount(int count) {
    Ask(Command::PutIconCount, Index(count), Command::Result);
}

void UnitItemPath::OpenTrail(int index, int size, const QString& name) {
    outgoingTrail_ = static_cast<std::uint16_t>(index);
    auto capacity = static_cast<std::uint32_t>(std::max(size, 0));
    if (limits_.maxTrailPoints > 0)
        capacity = std::min(capacity, limits_.maxTrailPoints);
    PayloadWriter w;
    w.U16(outgoingTrail_).U32(capacity).Text(KeptName(name));
    Ask(Command::OpenTrail, w.Data(), Command::Result);
}

void UnitItemPath::WriteTrail(const QList<TrailPoint>& points) {
    PayloadWriter w;
    codec::PutTrailPoints(w, points);
    Ask(Command::PutTrailPoints, w.Data(), Command::Result);
}

void UnitItemPath::CloseTrail() {
    Ask(Command::CloseTrail, {}, Command::Result);
}

void UnitItemPath::Clear(ListKind kind) {
    Ask(Command::ClearList, PayloadWriter().U8(static_cast<std::uint8_t>(kind)).Data(), Command::Result);
}

void UnitItemPath::MakeRouteFromTrail(int index, int maxWaypoints) {
    Q_UNUSED(maxWaypoints);
    Ask(Command::MakeRouteFromTrail, Index(index), Command::RouteFromTrail);
}

void UnitItemPath::OnRouteFromTrail(PayloadReader& in) {
    const UserRoute route = codec::GetRoute(in);
    const int count = in.U16();
    QList<UserWaypoint> waypoints;
    for (int i = 0; i < count && in.Ok(); ++i)
        waypoints.append(codec::GetWaypoint(in));
    if (!in.Ok())
        return emit Refused(LinkErrorText::Refused(Command::MakeRouteFromTrail, result::BadRequest, 0));
    for (const auto& w : waypoints)
        store_.waypoints.Put(w);
    store_.routes.Put(route);
    emit TrailRouteReady(route.index, static_cast<int>(route.waypoints.size()));
}

// Item writes to the unit go out in batches: each is reported sent at once
// and waits in the batch. A batch the unit refuses ends the upload; anything
// asked after the writes is answered after them, so its reply confirms them.
void UnitItemPath::WriteBehind(Command kind, const QByteArray& record) {
    readAhead_.clear();
    writes_.Add(kind, record);
}

void UnitItemPath::DropWrites() {
    writes_.Drop();
    outgoingTrail_ = 0;
    if (!link_)
        return;
    for (const Command dropped : link_->DropQueued())
        if (dropped == Command::GetMemory)
            MemoryRequestSettled();
}

// ---- replies -------------------------------------------------------------------

bool UnitItemPath::HandleReply(Command request, const Frame& frame) {
    PayloadReader in(frame.payload);
    switch (static_cast<Command>(frame.kind)) {
    case Command::Memory:
        memory_ = codec::GetMemoryStatus(in);
        if (request == Command::GetMemory)
            MemoryRequestSettled();
        emit MemoryStatusRead();
        return true;
    case Command::Waypoint:
    case Command::Route:
    case Command::Icon:
        OnItems(static_cast<Command>(frame.kind), frame.payload);
        return true;
    case Command::IconCount:
        memory_.iconCount = in.U16();
        emit NumIcons(memory_.iconCount);
        return true;
    case Command::TrailHeader:
        OnTrailHeader(in);
        return true;
    case Command::TrailPoints:
        OnTrailPoints(in);
        return true;
    case Command::RouteFromTrail:
        OnRouteFromTrail(in);
        return true;
    default:
        return false;
    }
}

bool UnitItemPath::HandleResult(Command request, std::uint16_t code, std::uint32_t value) {
    if (!IsItemRequest(request))
        return false;
    if (code != result::Ok) {
        const std::uint32_t item = IsTrailWrite(request) ? outgoingTrail_ : value;
        if (IsItemWrite(request))
            DropWrites();
        emit Refused(LinkErrorText::Refused(request, code, item));
        return true;
    }
    const int index = static_cast<int>(value);
    switch (request) {
    case Command::EraseWaypoint:
        emit WaypointSent(index);
        break;
    case Command::PutIconCount:
        emit NumIconsSent();
        break;
    case Command::PutTrailPoints:
        emit TrailPacketSent(index);
        break;
    case Command::CloseTrail:
        emit TrailSent(index);
        break;
    default:
        break;
    }
    return true;
}

void UnitItemPath::OnTimedOut(Command request) {
    if (request == Command::GetMemory)
        MemoryRequestSettled();
    if (request == Command::GetTrailHeader || request == Command::GetTrailPoints)
        incoming_ = {};
}

} // namespace linkpod
