#include "linkpod/LinkPod.h"

#include "linkpod/LinkErrorText.h"
#include "linkpod/PayloadReader.h"
#include "linkpod/PayloadWriter.h"
#include "linkpod/RecordCodec.h"
#include "linkpod/SerialTransport.h"
#include "linkpod/TrailSimplifier.h"
#include "linkpod/UnitLink.h"
#include "linkpod/UnitText.h"

#include <QTimer>

namespace linkpod {

namespace {

constexpr int TrailPacket = 512;
// Slots asked for in one item request; the unit sends as many as fit a packet.
constexpr int ReadAheadSlots = 64;
// Records of one write batch, and the pause in writing that sends a batch
// before it is full.
constexpr int WriteBatchBytes = 4096;
constexpr int WritePauseMs = 20;

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

LinkPod::LinkPod(QObject* parent)
    : QObject(parent),
      cards_(
          &store_,
          [this](Command kind, std::uint16_t device, const QByteArray& payload, Command reply) {
              FlushWrites();
              if (unit_)
                  unit_->Request(kind, device, payload, reply);
          },
          this) {
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(WritePauseMs);
    connect(&flushTimer_, &QTimer::timeout, this, &LinkPod::FlushWrites);
    connect(&fileJob_, &UsrFileJob::Progress, this, &LinkPod::UserDataProgress);
    connect(&fileJob_, &UsrFileJob::LoadEnded, this, &LinkPod::UserDataLoaded);
    connect(&fileJob_, &UsrFileJob::SaveEnded, this, &LinkPod::UserDataSaved);
    connect(&cards_, &CardService::UserDataProgress, this, &LinkPod::UserDataProgress);
    connect(&cards_, &CardService::UserDataLoaded, this, &LinkPod::UserDataLoaded);
    connect(&cards_, &CardService::UserDataSaved, this, &LinkPod::UserDataSaved);
    connect(&cards_, &CardService::FLNewDeviceReady, this, &LinkPod::FLNewDeviceReady);
    connect(&cards_, &CardService::ProgramFlashMemorySent, this, &LinkPod::ProgramFlashMemorySent);
    connect(&cards_, &CardService::FileWriteStarted, this, &LinkPod::FileWriteStarted);
    connect(&cards_, &CardService::FileWriteEnded, this, &LinkPod::FileWriteEnded);
    connect(&cards_, &CardService::ReaderRemoved, this, &LinkPod::DeviceRemoved);
    connect(&cards_, &CardService::CardDeviceAnnounced, this, [this](std::uint16_t device, int slotCount) {
        emit LinkStatus(unitDevice_, 8, device, slotCount);
    });
}

LinkPod::~LinkPod() {
    CloseComPort();
}

bool LinkPod::ToUnit() const {
    return unit_ && active_ == unitDevice_;
}

void LinkPod::Ask(Command kind, const QByteArray& payload, Command reply) {
    FlushWrites();
    // Anything but reading may change the unit's slots: what was read ahead
    // is no longer known to be theirs.
    if (kind != Command::GetWaypoint && kind != Command::GetRoute && kind != Command::GetIcon)
        readAhead_.clear();
    unit_->Request(kind, unitDevice_, payload, reply);
}

// Item writes to the unit go out in batches: each is reported sent at once
// and joins the records of its kind waiting to go, which leave when the batch
// is full, when the writes pause or before any other request. A batch the
// unit refuses raises the link error of its kind; anything asked after the
// writes is answered after them, so its reply confirms them.
void LinkPod::WriteBehind(Command kind, const QByteArray& record) {
    if (pendingKind_ != kind || pendingWrite_.size() + record.size() > WriteBatchBytes)
        FlushWrites();
    readAhead_.clear();
    pendingKind_ = kind;
    pendingWrite_ += record;
    flushTimer_.start();
}

void LinkPod::FlushWrites() {
    flushTimer_.stop();
    if (pendingWrite_.isEmpty())
        return;
    const QByteArray batch = std::exchange(pendingWrite_, {});
    if (unit_)
        unit_->Request(pendingKind_, unitDevice_, batch, Command::Result);
}

void LinkPod::Later(std::function<void()> event) {
    QTimer::singleShot(0, this, std::move(event));
}

// ---- ports -----------------------------------------------------------------

bool LinkPod::WatchComPort(int port) {
    portError_.clear();
    const QString path = ports_.ComDevice(port);
    if (path.isEmpty()) {
        portError_ = QStringLiteral("There is no COM%1.").arg(port);
        return false;
    }
    if (unit_ && unit_->Port() == port && unit_->Rate() == rate_)
        return true; // already talking to a unit there
    if (const auto it = links_.find(port); it != links_.end())
        DropLink(it->second);
    auto* link = new UnitLink(port, std::make_unique<SerialTransport>(), this);
    if (!link->Open(path, rate_)) {
        portError_ = link->ErrorText();
        delete link;
        return false;
    }
    links_[port] = link;
    connect(link, &UnitLink::AnsweredProbe, this,
            [this, link](std::uint16_t device, LinkType type) { OnAnswered(link, device, type); });
    connect(link, &UnitLink::NoAnswer, this, [this, link] { OnNoAnswer(link); });
    connect(link, &UnitLink::Gone, this, [this, link] { OnGone(link); });
    connect(link, &UnitLink::Replied, this, &LinkPod::OnFrame);
    connect(link, &UnitLink::Announced, this, [this](const Frame& f) { OnFrame(Command::Ack, f); });
    connect(link, &UnitLink::Progress, this, [this](const Frame& f) { OnFrame(Command::EraseFlash, f); });
    connect(link, &UnitLink::TimedOut, this, &LinkPod::OnTimedOut);
    connect(link, &UnitLink::StrayMessages, this, [this] { Fail(StrayMessages); });
    link->Probe();
    return true;
}

void LinkPod::DropLink(UnitLink* link) {
    if (link == unit_) {
        unit_ = nullptr;
        unitDevice_ = 0;
        cards_.SetUnitCardDevice(0);
    }
    links_.erase(link->Port());
    link->disconnect(this);
    link->Close();
    link->deleteLater();
}

void LinkPod::CloseComPort() {
    while (!links_.empty())
        DropLink(links_.begin()->second);
}

void LinkPod::OnAnswered(UnitLink* link, std::uint16_t device, LinkType type) {
    // The first port with a unit wins; the others stop probing.
    for (auto it = links_.begin(); it != links_.end();) {
        UnitLink* other = (it++)->second;
        if (other != link)
            DropLink(other);
    }
    unit_ = link;
    unitDevice_ = device;
    unitType_ = type;
    memory_ = {};
    memoryRequestsOpen_ = 0;
    readAhead_.clear();
    pendingWrite_.clear();
    if (type == LinkType::Dezav) {
        emit LurchUnitFound();
        Ask(Command::GetFlashCount, {}, Command::FlashCount);
    } else {
        emit DeviceConnected(device);
        emit LinkStatus(device, 1, 0, 0);
    }
    RequestMemoryStatus();
}

void LinkPod::OnNoAnswer(UnitLink* link) {
    DropLink(link);
    Fail(NoAnswer);
}

void LinkPod::OnGone(UnitLink* link) {
    const bool wasUnit = link == unit_;
    const bool midRequest = link->Busy() || (wasUnit && !pendingWrite_.isEmpty());
    const std::uint16_t device = unitDevice_;
    DropLink(link);
    if (!wasUnit)
        return;
    if (midRequest)
        Fail(ConnectionLost);
    emit DeviceRemoved(device);
}

int LinkPod::OpenParallelPort(int port) {
    return cards_.OpenReader(port, ports_.ReaderFolder(port));
}

void LinkPod::CloseParallelPort() {
    cards_.CloseReader();
}

// ---- identification ---------------------------------------------------------

void LinkPod::ReadProductInfo(QString& name, int& productId, int& value1, int& versionMajor,
                              int& versionMinor, int& value2, QString& text) const {
    name = product_.name;
    productId = product_.productId;
    value1 = product_.value1;
    versionMajor = product_.versionMajor;
    versionMinor = product_.versionMinor;
    value2 = product_.value2;
    text = product_.text;
}

void LinkPod::ReadUnitLimits(int& maxWaypoints, int& maxIcons, int& maxRoutes, int& maxWaypointsPerRoute,
                             int& maxTrails) const {
    maxWaypoints = limits_.maxWaypoints;
    maxIcons = limits_.maxIcons;
    maxRoutes = limits_.maxRoutes;
    maxWaypointsPerRoute = limits_.maxWaypointsPerRoute;
    maxTrails = limits_.maxTrails;
}

void LinkPod::ReadSymbolList(QList<int>& codes, int& count) const {
    codes.clear();
    for (const auto s : limits_.symbols)
        codes.append(s);
    count = static_cast<int>(codes.size());
}

void LinkPod::RequestProductInfo() {
    if (unit_) {
        emit LinkStatus(unitDevice_, 1, 0, 0);
        Ask(Command::GetProduct, {}, Command::Product);
    }
}

void LinkPod::RequestUnitLimits() {
    if (unit_)
        Ask(Command::GetLimits, {}, Command::Limits);
}

void LinkPod::RequestMemoryStatus() {
    if (!unit_)
        return;
    ++memoryRequestsOpen_;
    Ask(Command::GetMemory, {}, Command::Memory);
}

// ---- items ------------------------------------------------------------------

void LinkPod::ReadWaypoint(int index) {
    if (ToUnit())
        return ReadItem(Command::GetWaypoint, Command::Waypoint, index, memory_.lastWaypoint);
    const UserWaypoint* w = store_.waypoints.Find(static_cast<std::uint16_t>(index));
    UserWaypoint copy = w ? *w : UserWaypoint{};
    copy.index = static_cast<std::uint16_t>(index);
    Later([this, index, found = w != nullptr, copy] { emit Waypoint(index, found, copy); });
}

void LinkPod::ReadRoute(int index) {
    if (ToUnit())
        return ReadItem(Command::GetRoute, Command::Route, index, memory_.lastRoute);
    const UserRoute* r = store_.routes.Find(static_cast<std::uint16_t>(index));
    UserRoute copy = r ? *r : UserRoute{};
    copy.index = static_cast<std::uint16_t>(index);
    Later([this, index, copy] { emit Route(index, copy); });
}

void LinkPod::ReadIcon(int index) {
    if (ToUnit())
        return ReadItem(Command::GetIcon, Command::Icon, index, memory_.iconCount - 1);
    const UserIcon* i = store_.icons.Find(static_cast<std::uint16_t>(index));
    const UserIcon copy = i ? *i : UserIcon{};
    Later([this, index = i ? index : -1, copy] { emit Icon(index, copy); });
}

void LinkPod::ReadTrail(int index) {
    if (ToUnit())
        return Ask(Command::GetTrailHeader, Index(index), Command::TrailHeader);
    const UserTrail* t = store_.trails.Find(static_cast<std::uint16_t>(index));
    UserTrail copy = t ? *t : UserTrail{};
    copy.index = static_cast<std::uint16_t>(index);
    Later([this, index, copy] { emit Trail(index, copy); });
}

void LinkPod::ReadIconCount() {
    if (ToUnit())
        return Ask(Command::GetIconCount, {}, Command::IconCount);
    Later([this, count = store_.icons.LastIndex() + 1] { emit NumIcons(count); });
}

int LinkPod::ReadLastIndex(ListKind kind) const {
    const bool unit = ToUnit();
    switch (kind) {
    case ListKind::Waypoints:
        return unit ? memory_.lastWaypoint : store_.waypoints.LastIndex();
    case ListKind::Routes:
        return unit ? memory_.lastRoute : store_.routes.LastIndex();
    case ListKind::Icons:
        return unit ? memory_.iconCount - 1 : store_.icons.LastIndex();
    case ListKind::Trails:
        return unit ? memory_.lastTrail : store_.trails.LastIndex();
    }
    return -1;
}

void LinkPod::WriteWaypoint(const UserWaypoint& waypoint) {
    if (ToUnit())
        WriteBehind(Command::PutWaypoint, Encoded(Kept(waypoint)));
    else
        store_.waypoints.Put(waypoint);
    Later([this, index = waypoint.index] { emit WaypointSent(index); });
}

QString LinkPod::KeptName(const QString& name) const {
    return UnitText::Cut(name, limits_.maxNameBytes);
}

UserWaypoint LinkPod::Kept(UserWaypoint waypoint) const {
    waypoint.name = KeptName(waypoint.name);
    waypoint.comment = UnitText::Cut(waypoint.comment, limits_.maxCommentBytes);
    return waypoint;
}

void LinkPod::EraseWaypoint(int index) {
    if (ToUnit())
        return Ask(Command::EraseWaypoint, Index(index), Command::Result);
    store_.waypoints.Erase(static_cast<std::uint16_t>(index));
    Later([this, index] { emit WaypointSent(index); });
}

void LinkPod::WriteRoute(const UserRoute& route) {
    if (ToUnit())
        WriteBehind(Command::PutRoute,
                    Encoded(UserRoute{route.index, KeptName(route.name), route.waypoints}));
    else if (route.name.isEmpty() && route.waypoints.isEmpty())
        store_.routes.Erase(route.index);
    else
        store_.routes.Put(route);
    Later([this, index = route.index] { emit RouteSent(index); });
}

void LinkPod::WriteIcon(const UserIcon& icon) {
    if (ToUnit())
        WriteBehind(Command::PutIcon, Encoded(icon));
    else
        store_.icons.Put(icon);
    Later([this, index = icon.index] { emit IconSent(index); });
}

void LinkPod::WriteIconCount(int count) {
    if (ToUnit())
        return Ask(Command::PutIconCount, Index(count), Command::Result);
    store_.icons.Truncate(static_cast<std::uint16_t>(std::clamp(count, 0, 65535)));
    Later([this] { emit NumIconsSent(); });
}

void LinkPod::OpenTrail(int index, int size, const QString& name) {
    outgoing_ = UserTrail{static_cast<std::uint16_t>(index), name, {}};
    if (ToUnit()) {
        // The size reserves room; a unit that told its longest trail is
        // never asked for more.
        auto capacity = static_cast<std::uint32_t>(std::max(size, 0));
        if (limits_.maxTrailPoints > 0)
            capacity = std::min(capacity, limits_.maxTrailPoints);
        PayloadWriter w;
        w.U16(static_cast<std::uint16_t>(index)).U32(capacity).Text(KeptName(name));
        Ask(Command::OpenTrail, w.Data(), Command::Result);
    }
}

void LinkPod::WriteTrail(const QList<std::int32_t>& x, const QList<std::int32_t>& y,
                         const QList<bool>& continuous, int count) {
    const int n = std::min({count, static_cast<int>(x.size()), static_cast<int>(y.size()),
                            static_cast<int>(continuous.size()), TrailPacket});
    QList<TrailPoint> points;
    points.reserve(std::max(n, 0));
    for (int i = 0; i < n; ++i)
        points.append(TrailPoint{x[i], y[i], continuous[i]});
    if (ToUnit()) {
        PayloadWriter w;
        codec::PutTrailPoints(w, points);
        return Ask(Command::PutTrailPoints, w.Data(), Command::Result);
    }
    outgoing_.points.append(points);
    Later([this, n] { emit TrailPacketSent(n); });
}

void LinkPod::CloseTrail() {
    if (ToUnit())
        return Ask(Command::CloseTrail, {}, Command::Result);
    store_.trails.Put(outgoing_);
    Later([this, index = outgoing_.index] { emit TrailSent(index); });
}

void LinkPod::Clear(ListKind kind) {
    if (ToUnit())
        return Ask(Command::ClearList, PayloadWriter().U8(static_cast<std::uint8_t>(kind)).Data(),
                   Command::Result);
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

void LinkPod::ClearWaypoints() {
    Clear(ListKind::Waypoints);
}

void LinkPod::ClearRoutes() {
    Clear(ListKind::Routes);
}

void LinkPod::ClearTrails() {
    Clear(ListKind::Trails);
}

void LinkPod::ClearIcons() {
    Clear(ListKind::Icons);
}

void LinkPod::MakeRouteFromTrail(int index, int maxWaypoints) {
    if (ToUnit())
        return Ask(Command::MakeRouteFromTrail, Index(index), Command::RouteFromTrail);
    // Anywhere else the route is laid in the store, and no unit's trails,
    // routes or waypoints are touched.
    const UserTrail* trail = store_.trails.Find(static_cast<std::uint16_t>(index));
    if (!trail || trail->points.isEmpty())
        return Later([this, index] {
            Fail(Refused, LinkErrorText::Refused(Command::MakeRouteFromTrail, result::BadIndex, index));
        });
    const QList<int> kept =
        SimplifyTrail(trail->points, maxWaypoints > 0 ? maxWaypoints : DefaultRouteFromTrailWaypoints);
    UserRoute route{static_cast<std::uint16_t>(store_.routes.LastIndex() + 1), trail->name, {}};
    for (const int k : kept) {
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

// ---- user data files --------------------------------------------------------

void LinkPod::ReadUserDataFile(const QString& path) {
    fileJob_.Load(path, &store_, capacity_);
}

void LinkPod::WriteUserDataFile(const QString& path, const QDateTime& when) {
    fileJob_.Save(path, store_, when);
}

void LinkPod::SetStoreCapacity(const StoreCapacity& capacity) {
    capacity_ = capacity;
    cards_.SetCapacity(capacity);
}

// ---- cards ------------------------------------------------------------------

int LinkPod::CardSlotCount() const {
    return cards_.SlotCount(active_);
}

CardSlot LinkPod::CardSlotInfo(int slot) const {
    return cards_.Slot(active_, slot);
}

QString LinkPod::CardSlotLabel(int slot) const {
    return cards_.Slot(active_, slot).label;
}

int LinkPod::CardFileCount(int slot) const {
    return cards_.FileCount(active_, slot);
}

CardFile LinkPod::CardFileInfo(int slot, int index) const {
    return cards_.File(active_, slot, index);
}

void LinkPod::EraseCardFile(int slot, int index) {
    cards_.EraseFile(active_, slot, index);
}

void LinkPod::FormatCard(int slot, const QString& label) {
    cards_.Format(active_, slot, label);
}

int LinkPod::StartFileWrite(int slot, const QString& name, std::uint64_t size, const QDateTime& date,
                            int flags, std::uint32_t& handle) {
    Q_UNUSED(date);
    Q_UNUSED(flags);
    return cards_.StartWrite(active_, slot, name, size, handle);
}

int LinkPod::WriteFileBlock(const QByteArray& bytes, int count, std::uint32_t handle) {
    return cards_.WriteBlock(bytes, count, handle);
}

void LinkPod::EndFileWrite(std::uint32_t handle) {
    cards_.EndWrite(handle);
}

void LinkPod::AbortFileWrite(std::uint32_t handle) {
    cards_.AbortWrite(handle);
}

void LinkPod::SaveUserDataToCard(int slot, const QDateTime& when) {
    cards_.SaveUserData(active_, slot, when);
}

void LinkPod::LoadUserDataFromCard(int slot) {
    cards_.LoadUserData(active_, slot);
}

// ---- flash ------------------------------------------------------------------

void LinkPod::ReadFlashSectionCount() {
    if (unit_ && unitType_ == LinkType::Dezav)
        Ask(Command::GetFlashCount, {}, Command::FlashCount);
}

void LinkPod::ReadFlashSectionStatus(int number) {
    if (unit_ && unitType_ == LinkType::Dezav)
        Ask(Command::GetFlashStatus, Index(number), Command::FlashStatus);
}

void LinkPod::EraseFlash(int first, int count) {
    if (unit_ && unitType_ == LinkType::Dezav)
        Ask(Command::EraseFlash,
            PayloadWriter()
                .U16(static_cast<std::uint16_t>(first))
                .U16(static_cast<std::uint16_t>(count))
                .Data(),
            Command::Result);
}

bool LinkPod::ProgramFlash(std::uint32_t address, const QByteArray& block) {
    if (!unit_ || unitType_ != LinkType::Dezav || block.size() > 512)
        return false;
    Ask(Command::ProgramFlash, PayloadWriter().U32(address).Bytes(block).Data(), Command::Result);
    return true;
}

void LinkPod::FlashProgramDone() {
    if (unit_ && unitType_ == LinkType::Dezav)
        Ask(Command::ProgramDone, {}, Command::Result);
}

// ---- replies ----------------------------------------------------------------

std::uint16_t LinkPod::ErrorFor(Command request, std::uint16_t otherwise) {
    switch (request) {
    case Command::ProgramFlash:
    case Command::ProgramDone:
        return FlashWriteFailed;
    case Command::EraseFlash:
        return FlashEraseFailed;
    case Command::GetFlashCount:
        return FlashCountFailed;
    case Command::GetFlashStatus:
        return FlashStatusFailed;
    default:
        return otherwise;
    }
}

void LinkPod::Fail(std::uint16_t code, const QString& text) {
    errorText_ = text;
    emit LinkError(code);
}

void LinkPod::DropWrites() {
    flushTimer_.stop();
    pendingWrite_.clear();
    outgoing_ = {};
    if (!unit_)
        return;
    for (const Command dropped : unit_->DropQueued())
        if (dropped == Command::GetMemory)
            MemoryRequestSettled();
}

void LinkPod::MemoryRequestSettled() {
    memoryRequestsOpen_ = std::max(0, memoryRequestsOpen_ - 1);
}

void LinkPod::OnTimedOut(Command request) {
    if (request == Command::GetMemory)
        MemoryRequestSettled();
    if (request == Command::GetTrailHeader || request == Command::GetTrailPoints)
        incoming_ = {};
    cards_.OnTimedOut(request);
    Fail(ErrorFor(request, ReplyTimedOut), LinkErrorText::Unanswered());
}

void LinkPod::OnFrame(Command request, const Frame& frame) {
    if (cards_.HandleReply(request, frame))
        return;
    PayloadReader in(frame.payload);
    switch (static_cast<Command>(frame.kind)) {
    case Command::Result:
        return OnResult(request, in);
    case Command::Product:
        product_ = codec::GetProductInfo(in);
        return emit LinkStatus(unitDevice_, 6, product_.productId, 0);
    case Command::Limits:
        limits_ = codec::GetUnitLimits(in);
        return emit LinkStatus(unitDevice_, 22, static_cast<int>(limits_.symbols.size()), 0);
    case Command::Memory:
        memory_ = codec::GetMemoryStatus(in);
        if (request == Command::GetMemory)
            MemoryRequestSettled();
        return emit MemoryStatusRead();
    case Command::CardDevice: {
        const std::uint16_t device = in.U16();
        if (in.Ok() && device != 0 && device != unitDevice_)
            cards_.SetUnitCardDevice(device);
        return;
    }
    case Command::Waypoint:
    case Command::Route:
    case Command::Icon:
        return OnItems(static_cast<Command>(frame.kind), frame.payload);
    case Command::IconCount:
        memory_.iconCount = in.U16();
        return emit NumIcons(memory_.iconCount);
    case Command::TrailHeader: {
        incoming_ = UserTrail{};
        incoming_.index = in.U16();
        const bool inUse = in.U8() != 0;
        incoming_.name = in.Text();
        incomingTotal_ = inUse ? in.U32() : 0;
        if (incomingTotal_ == 0 || !in.Ok())
            return emit Trail(incoming_.index, incoming_);
        return unit_->Request(Command::GetTrailPoints, unitDevice_,
                              PayloadWriter().U16(incoming_.index).U32(0).U16(TrailPacket).Data(),
                              Command::TrailPoints, true);
    }
    case Command::TrailPoints:
        return OnTrailPoints(in);
    case Command::RouteFromTrail:
        return OnRouteFromTrail(in);
    case Command::FlashCount:
        return emit NumFlashSections(in.U16());
    case Command::FlashStatus:
        return emit FlashSectionStatus(codec::GetFlashSection(in));
    case Command::FlashProgress:
        return emit ProgressFlash(in.F32());
    default:
        return;
    }
}

void LinkPod::OnTrailPoints(PayloadReader& in) {
    const std::uint16_t index = in.U16();
    const std::uint32_t first = in.U32();
    const QList<TrailPoint> points = codec::GetTrailPoints(in);
    if (index != incoming_.index || first != static_cast<std::uint32_t>(incoming_.points.size()) || !in.Ok())
        return Fail(ReplyTimedOut, LinkErrorText::Unanswered());
    incoming_.points.append(points);
    const auto have = static_cast<std::uint32_t>(incoming_.points.size());
    if (points.isEmpty() || have >= incomingTotal_)
        return emit Trail(incoming_.index, incoming_);
    unit_->Request(Command::GetTrailPoints, unitDevice_,
                   PayloadWriter().U16(index).U32(have).U16(TrailPacket).Data(), Command::TrailPoints, true);
}

void LinkPod::OnRouteFromTrail(PayloadReader& in) {
    const UserRoute route = codec::GetRoute(in);
    const int count = in.U16();
    QList<UserWaypoint> waypoints;
    for (int i = 0; i < count && in.Ok(); ++i)
        waypoints.append(codec::GetWaypoint(in));
    if (!in.Ok())
        return Fail(Refused, LinkErrorText::Refused(Command::MakeRouteFromTrail, result::BadRequest, 0));
    for (const auto& w : waypoints)
        store_.waypoints.Put(w);
    store_.routes.Put(route);
    emit TrailRouteReady(route.index, static_cast<int>(route.waypoints.size()));
}

// An item reply holds the slot asked for and, read ahead, the slots after
// it: the first is reported, the others are kept for the requests to come.
void LinkPod::OnItems(Command kind, const QByteArray& payload) {
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

std::uint16_t LinkPod::OnItem(Command kind, PayloadReader& in, bool report) {
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

// Reads slot `index` and, when the unit holds more after it, up to
// ReadAheadSlots of them in the same reply; a slot read ahead is reported
// from what was kept.
void LinkPod::ReadItem(Command request, Command reply, int index, int lastInUse) {
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

void LinkPod::OnResult(Command request, PayloadReader& in) {
    in.U8();
    const std::uint16_t code = in.U16();
    const std::uint32_t value = in.U32();
    const MemoryStatus status = codec::GetMemoryStatus(in);
    if (in.Ok())
        memory_ = status;
    if (code != result::Ok) {
        if (request == Command::ProgramFlash)
            emit ProgramFlashMemorySent(false);
        if (request == Command::ProgramDone)
            emit ProgrammingEnded(false);
        const std::uint32_t item = IsTrailWrite(request) ? outgoing_.index : value;
        if (IsItemWrite(request))
            DropWrites();
        return Fail(ErrorFor(request, Refused), LinkErrorText::Refused(request, code, item));
    }
    const int index = static_cast<int>(value);
    switch (request) {
    case Command::EraseWaypoint:
        return emit WaypointSent(index);
    case Command::PutIconCount:
        return emit NumIconsSent();
    case Command::PutTrailPoints:
        return emit TrailPacketSent(static_cast<int>(value));
    case Command::CloseTrail:
        return emit TrailSent(index);
    case Command::EraseFlash:
        return emit FlashErased();
    case Command::ProgramFlash:
        return emit ProgramFlashMemorySent(true);
    case Command::ProgramDone:
        return emit ProgrammingEnded(true);
    default:
        return;
    }
}

} // namespace linkpod
