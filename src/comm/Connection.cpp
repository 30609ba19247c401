#include "comm/Connection.h"

#include "comm/FlashTexts.h"
#include "comm/LurchErrorReaction.h"
#include "comm/SessionTexts.h"
#include "gpsdata/GPSData.h"

#include <QFileInfo>

#include <algorithm>

namespace comm {

namespace {

constexpr int RetryInterval = 250; // ms between a failed rate and the next watch
constexpr int SymbolBase = 10000;
constexpr int TrailPacket = 512;
constexpr int MinTrailSize = 2000;
// The control takes the points of a trail to be made into a route in
// smaller packets.
constexpr int RouteTrailPacket = 100;
constexpr int FileWriteFlags = 10; // the fixed value of a file write start

} // namespace

Connection::Connection(linkpod::LinkPod& pod, QObject* parent) : QObject(parent), pod_(pod) {
    retry_.setInterval(RetryInterval);
    connect(&retry_, &QTimer::timeout, this, &Connection::OnTick);
    connect(&pod_, &linkpod::LinkPod::DeviceConnected, this, &Connection::OnDeviceConnected);
    connect(&pod_, &linkpod::LinkPod::DeviceRemoved, this, &Connection::OnDeviceRemoved);
    connect(&pod_, &linkpod::LinkPod::LurchUnitFound, this, &Connection::OnLurchUnitFound);
    connect(&pod_, &linkpod::LinkPod::LinkStatus, this, &Connection::OnLinkStatus);
    connect(&pod_, &linkpod::LinkPod::LinkError, this, &Connection::OnLinkError);
    connect(&pod_, &linkpod::LinkPod::FLNewDeviceReady, this,
            [this](std::uint16_t device, int flag) { emit FLNewDeviceReady(device, flag); });
    connect(&pod_, &linkpod::LinkPod::WaypointSent, this, &Connection::WaypointSent);
    connect(&pod_, &linkpod::LinkPod::Waypoint, this, &Connection::Waypoint);
    connect(&pod_, &linkpod::LinkPod::RouteSent, this, &Connection::RouteSent);
    connect(&pod_, &linkpod::LinkPod::Route, this, &Connection::Route);
    connect(&pod_, &linkpod::LinkPod::Icon, this, &Connection::Icon);
    connect(&pod_, &linkpod::LinkPod::IconSent, this, &Connection::IconSent);
    connect(&pod_, &linkpod::LinkPod::NumIcons, this, &Connection::NumIcons);
    connect(&pod_, &linkpod::LinkPod::NumIconsSent, this, &Connection::NumIconsSent);
    connect(&pod_, &linkpod::LinkPod::TrailSent, this, &Connection::TrailSent);
    connect(&pod_, &linkpod::LinkPod::TrailRouteReady, this, &Connection::TrailRouteReady);
    connect(&pod_, &linkpod::LinkPod::Trail, this, [this](int index, const linkpod::UserTrail& trail) {
        linkpod::UserTrail named = trail;
        if (named.name.isEmpty())
            named.name = gpsdata::GPSData::AutoName(QStringLiteral("Trl"), index);
        emit Trail(index, named);
    });
    connect(&pod_, &linkpod::LinkPod::TrailPacketSent, this, [this] {
        if (trailPacketsDone_ < trailPackets_)
            emit TrailProgress(float(++trailPacketsDone_) / float(trailPackets_));
    });
    connect(&pod_, &linkpod::LinkPod::NumFlashSections, this, &Connection::NumFlashSections);
    connect(&pod_, &linkpod::LinkPod::FlashSectionStatus, this, [this](const linkpod::FlashSection& s) {
        emit FlashSectionStatus(s.number, s.inUse, s.status, s.size, s.value1, s.value2, s.dataName,
                                s.value3);
    });
    connect(&pod_, &linkpod::LinkPod::ProgressFlash, this, &Connection::ProgressFlash);
    connect(&pod_, &linkpod::LinkPod::FlashErased, this, &Connection::FlashErased);
    connect(&pod_, &linkpod::LinkPod::ProgramFlashMemorySent, this, &Connection::ProgramFlashMemorySent);
    connect(&pod_, &linkpod::LinkPod::ProgrammingEnded, this, &Connection::ProgrammingEnded);
    connect(&pod_, &linkpod::LinkPod::FileWriteStarted, this, &Connection::OnFileWriteStarted);
    connect(&pod_, &linkpod::LinkPod::FileWriteEnded, this, &Connection::OnFileWriteEnded);
    local_ = remote_ = pod_.ActiveDevice();
}

void Connection::ShowStatus(const QString& text) {
    tryingShown_ = false;
    if (status_)
        status_->SetStatusText(StatusPanel, text);
}

void Connection::Startup() {
    pod_.ClearWaypoints();
    pod_.ClearIcons();
    pod_.ClearRoutes();
    pod_.ClearTrails();
    RequestUpdates();
    retry_.start();
}

void Connection::RequestUpdates() {
    local_ = pod_.ActiveDevice();
    pod_.RequestProductInfo();
    pod_.RequestUnitLimits();
    pod_.RequestMemoryStatus();
}

bool Connection::Watch(quint16 port) {
    pod_.SetBaudRate(BaudRate());
    if (!pod_.WatchComPort(port)) {
        // The chosen port's reason is the one the user can act on.
        if (port == startPort_ && portError_.isEmpty())
            portError_ = pod_.PortErrorText();
        return false;
    }
    ++portsOpened_;
    ratesTried_.insert(BaudRate());
    return true;
}

bool Connection::Connect() {
    if (startRate_ == 0)
        startRate_ = BaudRate();
    if (startPort_ == 0) {
        startPort_ = ComPort();
        portsOpened_ = 0;
        portError_.clear();
    }
    ratesTried_.clear();
    if (Watch(ComPort()))
        return true;
    if (AutoSelectComPort()) {
        for (SetComPort(NextComPort()); ComPort() != startPort_; SetComPort(NextComPort())) {
            SetBaudRate(startRate_);
            if (Watch(ComPort()))
                return true;
        }
    }
    ReportFailure();
    return false;
}

void Connection::NextPortOrFail() {
    if (AutoSelectComPort()) {
        for (SetComPort(NextComPort()); ComPort() != startPort_; SetComPort(NextComPort())) {
            SetBaudRate(startRate_);
            ratesTried_.clear();
            if (Watch(ComPort()))
                return;
        }
    }
    ReportFailure();
}

void Connection::ReportFailure() {
    retry_.stop();
    ShowStatus(QStringLiteral("Unable to connect to unit"));
    emit ConnectedStatusChanged();
    QString text = SessionTexts::ConnectFailure(portsOpened_ > 0, AutoSelectComPort());
    if (portsOpened_ == 0 && !portError_.isEmpty())
        text += QStringLiteral("\r\n") + portError_;
    if (prompt_)
        prompt_->Message(QStringLiteral("Communications Error"), text, ui::Icon::Critical);
    SetBaudRate(NextBaudRate());
    startPort_ = 0;
}

void Connection::Disconnect() {
    serial_ = false;
    pod_.CloseComPort();
    lurch_ = false;
    emit ConnectedStatusChanged();
}

void Connection::OnTick() {
    retry_.stop();
    if (Connected())
        return;
    ShowStatus(SessionTexts::Trying(ComPort(), BaudRate()));
    tryingShown_ = true;
    // A port that will not open any more ends this port's part of the scan;
    // the start-up probe simply ends.
    if (Watch(ComPort()))
        return;
    if (startPort_ != 0)
        NextPortOrFail();
    else
        EndTrying();
}

void Connection::EndTrying() {
    if (tryingShown_)
        ShowStatus(QString());
}

void Connection::OnLinkError(std::uint16_t code) {
    if (code != linkpod::LinkPod::NoAnswer)
        return RaiseLurchError(code);
    if (Connected() || lurch_)
        return;
    if (startPort_ == 0)
        return EndTrying(); // no attempt under way: the start-up probe, the probes after a removal
    // Every rate is tried once per port. The rate walk wraps to 4800 and never
    // comes back to 115200 or below 4800, so a start there is caught by the
    // tried set rather than by the start rate.
    const qint32 next = NextBaudRate();
    if (next == startRate_ || ratesTried_.count(next) > 0)
        return NextPortOrFail();
    SetBaudRate(next);
    retry_.start();
}

void Connection::OnDeviceConnected(std::uint16_t device) {
    remote_ = device;
    retry_.stop();
    EndTrying();
    productSeen_ = limitsSeen_ = false;
    lurch_ = false;
    startPort_ = 0;
    startRate_ = 0;
    emit ShowFlashSections(false);
    serial_ = true;
    emit ConnectedStatusChanged();
}

void Connection::OnDeviceRemoved(std::uint16_t device) {
    // The card reader went away: its cards leave the lists and the reader is
    // closed; a unit on the serial side is not concerned.
    if (lptOpen_ && device == linkpod::LinkPod::ReaderDevice(LPTPort())) {
        lptOpen_ = false;
        emit DeviceRemoved(device);
        return emit ConnectedStatusChanged();
    }
    // The session goes back to the default device, the control's data store.
    if (device == remote_)
        remote_ = local_;
    emit DeviceRemoved(device);
    serial_ = false;
    pod_.SetBaudRate(BaudRate());
    for (int port = 1; port <= 4; ++port)
        pod_.WatchComPort(port);
    emit ConnectedStatusChanged();
}

void Connection::OnLurchUnitFound() {
    retry_.stop();
    EndTrying();
    startPort_ = 0;
    startRate_ = 0;
    lurch_ = true;
    serial_ = false;
    emit ShowFlashSections(true);
    emit ConnectedStatusChanged();
}

void Connection::OnLinkStatus(std::uint16_t, int code, int value1, int) {
    switch (code) {
    case 1:
        productSeen_ = limitsSeen_ = false;
        return;
    case 6:
    case 22: {
        bool& mine = code == 6 ? productSeen_ : limitsSeen_;
        const bool other = code == 6 ? limitsSeen_ : productSeen_;
        const bool first = !mine;
        mine = true;
        if (first && other) {
            GetProductInformation();
            GetProductName();
        }
        return;
    }
    case 8:
        return emit FLNewDeviceReady(static_cast<quint16>(value1), 0);
    default:
        return;
    }
}

void Connection::GetProductInformation() {
    int wpt = 0, icn = 0, rte = 0, perRoute = 0, trl = 0;
    QList<int> codes;
    int count = 0;
    OnSession([&](linkpod::LinkPod& pod) {
        QString name, text;
        int id = 0, v1 = 0, major = 0, minor = 0, v2 = 0;
        pod.ReadProductInfo(name, id, v1, major, minor, v2, text);
        pod.ReadUnitLimits(wpt, icn, rte, perRoute, trl);
        pod.ReadSymbolList(codes, count);
    });
    if (wpt == 0 || icn == 0 || rte == 0 || perRoute == 0 || trl == 0)
        return RaiseLurchError(782);
    // Codes below the base name no program symbol and are left out.
    int top = SymbolBase - 1;
    for (int i = 0; i < std::min(count, int(codes.size())); ++i)
        top = std::max(top, codes[i]);
    QList<bool> table(top - SymbolBase + 1, false);
    for (int i = 0; i < std::min(count, int(codes.size())); ++i)
        if (codes[i] >= SymbolBase)
            table[codes[i] - SymbolBase] = true;
    emit ProductInformation(100, wpt, rte, trl, icn, top - (SymbolBase - 1), perRoute, table);
}

void Connection::RaiseLurchError(quint16 code) {
    emit LurchError(code);
    const LurchErrorReaction reaction = LurchErrorReaction::For(code, ComPort(), pod_.LastErrorText());
    if (reaction.beeps && beep_)
        beep_();
    if (!reaction.text.isEmpty() && prompt_)
        prompt_->Message(reaction.title, reaction.text, reaction.icon);
}

void Connection::GetProductName() {
    QString name, text;
    int id = 0, v1 = 0, major = 0, minor = 0, v2 = 0;
    pod_.ReadProductInfo(name, id, v1, major, minor, v2, text);
    emit ProductName(name, float(major) + float(minor) / 100.0f);
}

int Connection::LastSlots(linkpod::ListKind kind, int otherwise) {
    if (!Linked())
        return otherwise;
    return OnSession([kind](linkpod::LinkPod& pod) { return pod.ReadLastIndex(kind); }) + 1;
}

int Connection::GetLastWaypoint(int otherwise) {
    return LastSlots(linkpod::ListKind::Waypoints, otherwise);
}

int Connection::GetLastRoute(int otherwise) {
    return LastSlots(linkpod::ListKind::Routes, otherwise);
}

int Connection::GetLastTrail(int otherwise) {
    return LastSlots(linkpod::ListKind::Trails, otherwise);
}

int Connection::GetLastIcon(int otherwise) {
    return LastSlots(linkpod::ListKind::Icons, otherwise);
}

void Connection::DeleteAllWaypoints() {
    IfLinked([](linkpod::LinkPod& pod) { pod.ClearWaypoints(); });
}

void Connection::DeleteAllRoutes() {
    IfLinked([](linkpod::LinkPod& pod) { pod.ClearRoutes(); });
}

void Connection::DeleteAllTrails() {
    IfLinked([](linkpod::LinkPod& pod) { pod.ClearTrails(); });
}

void Connection::DeleteAllIcons() {
    IfLinked([](linkpod::LinkPod& pod) { pod.ClearIcons(); });
}

void Connection::SetWaypoint(int index, bool inUse, const linkpod::UserWaypoint& fields) {
    IfLinked([&](linkpod::LinkPod& pod) {
        if (!inUse)
            return pod.EraseWaypoint(index);
        linkpod::UserWaypoint w = fields;
        w.index = static_cast<std::uint16_t>(index);
        pod.WriteWaypoint(w);
    });
}

void Connection::GetWaypoint(int index) {
    IfLinked([index](linkpod::LinkPod& pod) { pod.ReadWaypoint(index); });
}

void Connection::SetRoute(int index, const linkpod::UserRoute& route) {
    IfLinked([&](linkpod::LinkPod& pod) {
        linkpod::UserRoute r = route;
        r.index = static_cast<std::uint16_t>(index);
        pod.WriteRoute(r);
    });
}

void Connection::GetRoute(int index) {
    IfLinked([index](linkpod::LinkPod& pod) { pod.ReadRoute(index); });
}

void Connection::SetIcon(int index, std::int32_t x, std::int32_t y, std::uint16_t unitSymbol) {
    IfLinked([&](linkpod::LinkPod& pod) {
        pod.WriteIcon(linkpod::UserIcon{static_cast<std::uint16_t>(index), unitSymbol, x, y});
    });
}

void Connection::GetIcon(int index) {
    IfLinked([index](linkpod::LinkPod& pod) { pod.ReadIcon(index); });
}

void Connection::GetNumIcons() {
    IfLinked([](linkpod::LinkPod& pod) { pod.ReadIconCount(); });
}

void Connection::SetNumIcons(int count) {
    IfLinked([count](linkpod::LinkPod& pod) { pod.WriteIconCount(count); });
}

void Connection::SendTrailPoints(const linkpod::UserTrail& trail, int packet) {
    const auto n = trail.points.size();
    for (qsizetype from = 0; from < n; from += packet) {
        QList<std::int32_t> x, y;
        QList<bool> joined;
        for (qsizetype i = from; i < std::min(n, from + packet); ++i) {
            x.append(trail.points[i].x);
            y.append(trail.points[i].y);
            joined.append(trail.points[i].continuous);
        }
        pod_.WriteTrail(x, y, joined, int(x.size()));
    }
}

void Connection::SetTrail(int index, const linkpod::UserTrail& trail) {
    IfLinked([&](linkpod::LinkPod& pod) {
        const int n = int(trail.points.size());
        trailPackets_ = (n + TrailPacket - 1) / TrailPacket;
        trailPacketsDone_ = 0;
        pod.OpenTrail(index, std::max(n, MinTrailSize), trail.name);
        SendTrailPoints(trail, TrailPacket);
        pod.CloseTrail();
    });
}

void Connection::GetTrail(int index) {
    IfLinked([index](linkpod::LinkPod& pod) { pod.ReadTrail(index); });
}

void Connection::MakeRouteFromTrail(const linkpod::UserTrail& trail, int maxWaypoints) {
    // The control's own store, never the unit: the unit's trail slots,
    // routes and waypoints stay as they are.
    OnDevice(linkpod::LinkPod::HostDevice, [&](linkpod::LinkPod& pod) {
        trailPackets_ = trailPacketsDone_ = 0;
        pod.ClearTrails();
        pod.OpenTrail(trail.index, int(trail.points.size()), trail.name);
        SendTrailPoints(trail, RouteTrailPacket);
        pod.CloseTrail();
        pod.MakeRouteFromTrail(trail.index, maxWaypoints);
    });
}

void Connection::OpenLPTPort() {
    const int result = pod_.OpenParallelPort(LPTPort());
    lptOpen_ = result == 0;
    if (lptOpen_)
        remote_ = local_;
    const linkpod::PortTable& ports = pod_.Ports();
    const QString text = result == linkpod::CardService::ReaderMissing
                             ? SessionTexts::ReaderFolderMissing(LPTPort(), ports.ReaderFolder(LPTPort()),
                                                                 ports.ReaderFolderChosen(LPTPort()))
                             : SessionTexts::ParallelPortResult(result);
    if (!text.isEmpty() && prompt_)
        prompt_->Message(ui::ProgramTitle(), text, result == 2 ? ui::Icon::Information : ui::Icon::Critical);
    emit ConnectedStatusChanged();
}

void Connection::CloseLPTPort() {
    lptOpen_ = false;
    pod_.CloseParallelPort();
    emit ConnectedStatusChanged();
}

void Connection::EraseFlash(quint16 firstPartition, quint16 count) {
    cardWrite_ = false;
    pod_.EraseFlash(firstPartition, count);
}

int Connection::StartFlashProgramming(const QString& path, quint32 size, quint16 device, int slot) {
    // Cards list only files of the map type, whatever the built file was called.
    const QString name = QFileInfo(path).completeBaseName() + QStringLiteral(".ncm");
    std::uint32_t handle = 0;
    const int code = OnDevice(device, [&](linkpod::LinkPod& pod) {
        return pod.StartFileWrite(slot, name, size, QDateTime::currentDateTime(), FileWriteFlags, handle);
    });
    if (code == 0) {
        cardWrite_ = true;
        fileHandle_ = handle;
    }
    return code;
}

void Connection::OnFileWriteStarted(std::uint32_t handle, int code) {
    if (!cardWrite_ || handle != fileHandle_)
        return;
    if (code == 0)
        return emit ProgrammingStarted();
    cardWrite_ = false;
    fileHandle_ = 0;
    emit ProgrammingRefused(code);
}

void Connection::OnFileWriteEnded(std::uint32_t handle, bool ok) {
    if (!cardWrite_ || handle != fileHandle_)
        return;
    cardWrite_ = false;
    fileHandle_ = 0;
    emit ProgrammingEnded(ok);
}

void Connection::AbortFlashProgramming() {
    if (!cardWrite_)
        return;
    pod_.AbortFileWrite(fileHandle_);
    cardWrite_ = false;
    fileHandle_ = 0;
}

bool Connection::ProgramFlash(quint32 address, quint32 count, const QByteArray& buffer) {
    const QByteArray block = buffer.left(qsizetype(std::min<quint32>(count, quint32(buffer.size()))));
    const bool taken = cardWrite_ ? pod_.WriteFileBlock(block, int(block.size()), fileHandle_) == 0
                                  : pod_.ProgramFlash(address, block);
    if (!taken && prompt_)
        prompt_->Message(QStringLiteral("Write Error"), FlashTexts::WriteError(address), ui::Icon::Critical);
    return taken;
}

void Connection::FlashProgramDone() {
    if (cardWrite_)
        return pod_.EndFileWrite(fileHandle_);
    pod_.FlashProgramDone();
    // The partitions now hold the map: list them afresh.
    GetNumFlashSections();
}

} // namespace comm
