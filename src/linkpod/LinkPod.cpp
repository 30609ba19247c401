#include "linkpod/LinkPod.h"

#include "linkpod/LinkErrorText.h"
#include "linkpod/PayloadReader.h"
#include "linkpod/PayloadWriter.h"
#include "linkpod/RecordCodec.h"
#include "linkpod/SerialTransport.h"
#include "linkpod/UnitLink.h"

namespace linkpod {

LinkPod::LinkPod(QObject* parent)
    : QObject(parent), cards_(
                           &store_,
                           [this](Command kind, std::uint16_t device, const QByteArray& payload,
                                  Command reply) { SendToUnit(kind, device, payload, reply); },
                           this),
      unitItems_(limits_, store_), storeItems_(store_) {
    Forward(unitItems_);
    Forward(storeItems_);
    connect(&unitItems_, &UnitItemPath::MemoryStatusRead, this, &LinkPod::MemoryStatusRead);
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

void LinkPod::Forward(ItemPath& path) {
    connect(&path, &ItemPath::Waypoint, this, &LinkPod::Waypoint);
    connect(&path, &ItemPath::WaypointSent, this, &LinkPod::WaypointSent);
    connect(&path, &ItemPath::Route, this, &LinkPod::Route);
    connect(&path, &ItemPath::RouteSent, this, &LinkPod::RouteSent);
    connect(&path, &ItemPath::Icon, this, &LinkPod::Icon);
    connect(&path, &ItemPath::IconSent, this, &LinkPod::IconSent);
    connect(&path, &ItemPath::NumIcons, this, &LinkPod::NumIcons);
    connect(&path, &ItemPath::NumIconsSent, this, &LinkPod::NumIconsSent);
    connect(&path, &ItemPath::Trail, this, &LinkPod::Trail);
    connect(&path, &ItemPath::TrailPacketSent, this, &LinkPod::TrailPacketSent);
    connect(&path, &ItemPath::TrailSent, this, &LinkPod::TrailSent);
    connect(&path, &ItemPath::TrailRouteReady, this, &LinkPod::TrailRouteReady);
    connect(&path, &ItemPath::Refused, this, [this](const QString& reason) { Fail(Refused, reason); });
    connect(&path, &ItemPath::ReplyLost, this, [this] { Fail(ReplyTimedOut, LinkErrorText::Unanswered()); });
}

void LinkPod::SetActiveDevice(std::uint16_t device) {
    active_ = device;
    ChooseItemPath();
}

void LinkPod::ChooseItemPath() {
    if (unit_ && active_ == unitDevice_)
        items_ = &unitItems_;
    else
        items_ = &storeItems_;
}

void LinkPod::SendToUnit(Command kind, std::uint16_t device, const QByteArray& payload, Command reply) {
    unitItems_.BeforeOtherRequest();
    if (unit_)
        unit_->Request(kind, device, payload, reply);
}

void LinkPod::Ask(Command kind, const QByteArray& payload, Command reply) {
    SendToUnit(kind, unitDevice_, payload, reply);
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
        unitItems_.Detach();
        ChooseItemPath();
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
    unitItems_.Attach(link, device);
    ChooseItemPath();
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
    const bool midRequest = link->Busy() || (wasUnit && unitItems_.HoldsWrites());
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
    if (unit_)
        unitItems_.RequestMemoryStatus();
}

// ---- items ------------------------------------------------------------------

void LinkPod::ReadWaypoint(int index) {
    items_->ReadWaypoint(index);
}

void LinkPod::ReadRoute(int index) {
    items_->ReadRoute(index);
}

void LinkPod::ReadIcon(int index) {
    items_->ReadIcon(index);
}

void LinkPod::ReadTrail(int index) {
    items_->ReadTrail(index);
}

void LinkPod::ReadIconCount() {
    items_->ReadIconCount();
}

int LinkPod::ReadLastIndex(ListKind kind) const {
    return items_->ReadLastIndex(kind);
}

void LinkPod::WriteWaypoint(const UserWaypoint& waypoint) {
    items_->WriteWaypoint(waypoint);
}

void LinkPod::EraseWaypoint(int index) {
    items_->EraseWaypoint(index);
}

void LinkPod::WriteRoute(const UserRoute& route) {
    items_->WriteRoute(route);
}

void LinkPod::WriteIcon(const UserIcon& icon) {
    items_->WriteIcon(icon);
}

void LinkPod::WriteIconCount(int count) {
    items_->WriteIconCount(count);
}

void LinkPod::OpenTrail(int index, int size, const QString& name) {
    items_->OpenTrail(index, size, name);
}

void LinkPod::WriteTrail(const QList<std::int32_t>& x, const QList<std::int32_t>& y,
                         const QList<bool>& continuous, int count) {
    const int n = std::min({count, static_cast<int>(x.size()), static_cast<int>(y.size()),
                            static_cast<int>(continuous.size()), ItemPath::TrailPacket});
    QList<TrailPoint> points;
    points.reserve(std::max(n, 0));
    for (int i = 0; i < n; ++i)
        points.append(TrailPoint{x[i], y[i], continuous[i]});
    items_->WriteTrail(points);
}

void LinkPod::CloseTrail() {
    items_->CloseTrail();
}

void LinkPod::ClearWaypoints() {
    items_->Clear(ListKind::Waypoints);
}

void LinkPod::ClearRoutes() {
    items_->Clear(ListKind::Routes);
}

void LinkPod::ClearTrails() {
    items_->Clear(ListKind::Trails);
}

void LinkPod::ClearIcons() {
    items_->Clear(ListKind::Icons);
}

void LinkPod::MakeRouteFromTrail(int index, int maxWaypoints) {
    items_->MakeRouteFromTrail(index, maxWaypoints > 0 ? maxWaypoints : DefaultRouteFromTrailWaypoints);
}

// ---- user data files --------------------------------------------------------

void LinkPod::ReadUserDataFile(const QString& path) {
    fileJob_.Load(path, &store_, capacity_);
}

void LinkPod::WriteUserDataFile(const QString& path, const QDateTime& when) {
    fileJob_.Save(path, store_, when);
}

void LinkPod::CancelUserDataFile() {
    fileJob_.Cancel();
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
    if (ToDezav())
        Ask(Command::GetFlashCount, {}, Command::FlashCount);
}

void LinkPod::ReadFlashSectionStatus(int number) {
    if (ToDezav())
        Ask(Command::GetFlashStatus, PayloadWriter().U16(static_cast<std::uint16_t>(number)).Data(),
            Command::FlashStatus);
}

void LinkPod::EraseFlash(int first, int count) {
    if (ToDezav())
        Ask(Command::EraseFlash,
            PayloadWriter()
                .U16(static_cast<std::uint16_t>(first))
                .U16(static_cast<std::uint16_t>(count))
                .Data(),
            Command::Result);
}

bool LinkPod::ProgramFlash(std::uint32_t address, const QByteArray& block) {
    if (!ToDezav() || block.size() > 512)
        return false;
    Ask(Command::ProgramFlash, PayloadWriter().U32(address).Bytes(block).Data(), Command::Result);
    return true;
}

void LinkPod::FlashProgramDone() {
    if (ToDezav())
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

void LinkPod::OnTimedOut(Command request) {
    unitItems_.OnTimedOut(request);
    cards_.OnTimedOut(request);
    Fail(ErrorFor(request, ReplyTimedOut), LinkErrorText::Unanswered());
}

void LinkPod::OnFrame(Command request, const Frame& frame) {
    if (cards_.HandleReply(request, frame) || unitItems_.HandleReply(request, frame))
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
    case Command::CardDevice: {
        const std::uint16_t device = in.U16();
        if (in.Ok() && device != 0 && device != unitDevice_)
            cards_.SetUnitCardDevice(device);
        return;
    }
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

void LinkPod::OnResult(Command request, PayloadReader& in) {
    in.U8();
    const std::uint16_t code = in.U16();
    const std::uint32_t value = in.U32();
    const MemoryStatus status = codec::GetMemoryStatus(in);
    if (in.Ok())
        unitItems_.TakeMemoryStatus(status);
    if (unitItems_.HandleResult(request, code, value))
        return;
    if (code != result::Ok) {
        if (request == Command::ProgramFlash)
            emit ProgramFlashMemorySent(false);
        if (request == Command::ProgramDone)
            emit ProgrammingEnded(false);
        return Fail(ErrorFor(request, Refused), LinkErrorText::Refused(request, code, value));
    }
    switch (request) {
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
