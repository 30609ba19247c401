#pragma once

#include "comm/PortChoice.h"
#include "gpsdata/Prompt.h"
#include "linkpod/LinkPod.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <set>

namespace comm {

// The one session between the program and a GPS unit or the card reader. It
// picks the COM port and the rate, follows the unit's arrival, identification
// and removal, and re-raises the control's replies as its own events. Every
// device operation addresses the session device and then puts the control's
// active device back.
class Connection : public QObject {
    Q_OBJECT
public:
    explicit Connection(linkpod::LinkPod& pod, QObject* parent = nullptr);

    void SetPrompt(ui::Prompt* prompt) { prompt_ = prompt; }
    void SetStatus(ui::StatusSink* status) { status_ = status; }
    // How the program beeps (the core has no sound of its own).
    void SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }
    // The status-bar panel the session writes to.
    static constexpr int StatusPanel = 1;

    quint16 ComPort() const { return ports_.ComPort(); }
    void SetComPort(quint16 port) { ports_.SetComPort(port); }
    bool AutoSelectComPort() const { return ports_.AutoSelectComPort(); }
    void SetAutoSelectComPort(bool on) { ports_.SetAutoSelectComPort(on); }
    quint16 LPTPort() const { return ports_.LPTPort(); }
    void SetLPTPort(quint16 port) { ports_.SetLPTPort(port); }
    qint32 BaudRate() const { return ports_.BaudRate(); }
    void SetBaudRate(qint32 rate) { ports_.SetBaudRate(rate); }
    qint32 NextBaudRate() const { return ports_.NextBaudRate(); }
    quint16 NextComPort() const { return ports_.NextComPort(); }

    bool ConnectionIsLurch() const { return lurch_; }
    void SetConnectionIsLurch(bool on) { lurch_ = on; }
    quint32 FileHandle() const { return fileHandle_; }
    void SetFileHandle(quint32 handle) { fileHandle_ = handle; }
    quint32 RemoteHostHandle() const { return remote_; }
    void SetRemoteHostHandle(quint32 handle) { remote_ = handle; }
    quint32 LocalHostHandle() const { return local_; }
    void SetLocalHostHandle(quint32 handle) { local_ = handle; }
    bool LPTPortOpen() const { return lptOpen_; }
    void SetLPTPortOpen(bool open) { lptOpen_ = open; }

    bool Connected() const { return serial_ && !lurch_; }
    // A unit answered on the serial side (also a Dezav unit's partitions).
    bool SerialConnected() const { return serial_; }
    // Data operations run only with a unit or the card reader.
    bool Linked() const { return serial_ || lptOpen_; }
    // The unit has told its product and its limits since it answered.
    bool Identified() const { return productSeen_ && limitsSeen_; }

    // Main window start-up: empties the control's lists, asks for updates and
    // starts the retry timer.
    void Startup();
    void RequestUpdates();
    // False when no port opened (the failure was reported).
    bool Connect();
    void Disconnect();
    void OpenLPTPort();
    void CloseLPTPort();
    void GetProductInformation();
    void GetProductName();
    // Raises LurchError, then tells the user what it means: the one place a
    // link error becomes a message box or a beep. Listeners of LurchError
    // (the transfer, the map upload) stop their work before the box shows.
    void RaiseLurchError(quint16 code);

    // Unit items. Each does nothing unless Linked(); replies come as the item
    // events below. The last-index reads give the number of slots up to the
    // highest one in use (the range a download of All reads), or `otherwise`
    // (the data set's maximum) without a connection.
    int GetLastWaypoint(int otherwise);
    int GetLastRoute(int otherwise);
    int GetLastTrail(int otherwise);
    int GetLastIcon(int otherwise);
    void DeleteAllWaypoints();
    void DeleteAllRoutes();
    void DeleteAllTrails();
    void DeleteAllIcons();
    // Not in use: the unit's slot at `index` is erased.
    void SetWaypoint(int index, bool inUse, const linkpod::UserWaypoint& fields);
    void GetWaypoint(int index);
    // A route without name and waypoints erases its slot.
    void SetRoute(int index, const linkpod::UserRoute& route);
    void GetRoute(int index);
    void SetIcon(int index, std::int32_t x, std::int32_t y, std::uint16_t unitSymbol);
    void GetIcon(int index);
    void GetNumIcons();
    void SetNumIcons(int count);
    void SetTrail(int index, const linkpod::UserTrail& trail);
    void GetTrail(int index);
    // Hands the trail to the control's own store and asks for a route of at
    // most `maxWaypoints` waypoints along it; TrailRouteReady follows. Works
    // with or without a unit, and never changes the unit.
    void MakeRouteFromTrail(const linkpod::UserTrail& trail, int maxWaypoints);

    QTimer& tmrLinkPod() { return retry_; }
    linkpod::LinkPod& Pod() { return pod_; }

    // Partitions of a unit on the Dezav link, and the map file written into
    // them or onto a card. EraseFlash and StartFlashProgramming choose where
    // the following blocks go.
    void GetFlashSectionStatus(quint16 partition) { pod_.ReadFlashSectionStatus(partition); }
    // The unit lists its partitions afresh (NumFlashSections, then each status).
    void GetNumFlashSections() { pod_.ReadFlashSectionCount(); }
    void EraseFlash(quint16 firstPartition, quint16 count);
    // Starts writing the map at `path` as a file on a card (the map file
    // name, with the map extension); the card write code, 0 when the start
    // went to the card. The card's own answer follows: ProgrammingStarted,
    // or ProgrammingRefused with its code.
    int StartFlashProgramming(const QString& path, quint32 size, quint16 device, int slot);
    // False (the write error shown) when the control refuses the block.
    bool ProgramFlash(quint32 address, quint32 count, const QByteArray& buffer);
    // Ends the map; ProgrammingEnded follows once the unit or card confirmed.
    void FlashProgramDone();
    // Gives up a card file being written: the card closes it and drops the
    // part written. Partitions need nothing: they stay erased.
    void AbortFlashProgramming();

    // Runs `call` with the session device active.
    template <typename Call> auto OnSession(Call call) { return OnDevice(quint16(remote_), call); }
    // Runs `call` with `device` active, then puts the active device back.
    template <typename Call> auto OnDevice(quint16 device, Call call) {
        struct Restore {
            linkpod::LinkPod& pod;
            std::uint16_t device;
            ~Restore() { pod.SetActiveDevice(device); }
        } restore{pod_, pod_.ActiveDevice()};
        pod_.SetActiveDevice(device);
        return call(pod_);
    }

signals:
    void ConnectedStatusChanged();
    void LurchError(quint16 code);
    void ProductInformation(qint32 productId, qint32 maxWaypoints, qint32 maxRoutes, qint32 maxTrails,
                            qint32 maxIcons, qint32 iconSymbols, qint32 maxWaypointsPerRoute,
                            const QList<bool>& validSymbols);
    void ProductName(const QString& name, float version);
    // The map window shows the partition frame (true) or the card frames.
    void ShowFlashSections(bool partitions);
    // A device went away: the card list drops its entries.
    void DeviceRemoved(quint16 device);
    void FLNewDeviceReady(quint16 device, int flag);
    void NumFlashSections(int count);
    void FlashSectionStatus(quint16 partition, quint16 inUse, quint16 status, quint32 size,
                            quint32 startAddress, quint32 programmed, const QString& dataName,
                            quint32 dataKind);
    void ProgressFlash(float percent);
    void FlashErased();
    void ProgrammingStarted();
    void ProgrammingRefused(int code);
    void ProgramFlashMemorySent(bool ok);
    // The map is complete in the partitions or on the card (true), or its
    // end was refused.
    void ProgrammingEnded(bool ok);

    void WaypointSent(int index);
    void Waypoint(int index, bool inUse, const linkpod::UserWaypoint& waypoint);
    void RouteSent(int index);
    void Route(int index, const linkpod::UserRoute& route);
    void Icon(int index, const linkpod::UserIcon& icon); // index below 0: empty
    void IconSent(int index);
    void NumIcons(int count);
    void NumIconsSent();
    void TrailSent(int index);
    void Trail(int index, const linkpod::UserTrail& trail);
    // The share (0..1) of the current trail's packets the unit has taken.
    void TrailProgress(float share);
    void TrailRouteReady(int routeIndex, int waypointCount);

private:
    bool Watch(quint16 port);
    void ReportFailure();
    // Every rate was tried on the current port: the next port or the failure.
    void NextPortOrFail();
    void OnTick();
    void OnDeviceConnected(std::uint16_t device);
    void OnDeviceRemoved(std::uint16_t device);
    void OnLurchUnitFound();
    void OnLinkStatus(std::uint16_t device, int code, int value1, int value2);
    void OnLinkError(std::uint16_t code);
    void OnFileWriteStarted(std::uint32_t handle, int code);
    void OnFileWriteEnded(std::uint32_t handle, bool ok);
    void ShowStatus(const QString& text);
    // Clears the "Trying" text when it is still the last one shown.
    void EndTrying();
    int LastSlots(linkpod::ListKind kind, int otherwise);
    template <typename Call> void IfLinked(Call call) {
        if (Linked())
            OnSession(call);
    }
    void SendTrailPoints(const linkpod::UserTrail& trail, int packet);

    linkpod::LinkPod& pod_;
    ui::Prompt* prompt_ = nullptr;
    ui::StatusSink* status_ = nullptr;
    std::function<void()> beep_;
    PortChoice ports_;
    QTimer retry_;
    bool lurch_ = false;
    quint32 fileHandle_ = 0;
    quint32 remote_ = 0;
    quint32 local_ = 0;
    bool lptOpen_ = false;
    bool cardWrite_ = false; // map blocks go to a card file, not to partitions
    bool serial_ = false;
    // The message panel shows the retry timer's "Trying" text, which must go
    // once no attempt is under way any more.
    bool tryingShown_ = false;
    qint32 startRate_ = 0;
    quint16 startPort_ = 0;
    int portsOpened_ = 0;
    QString portError_;           // why the chosen port did not open
    std::set<qint32> ratesTried_; // on the current port
    bool productSeen_ = false;
    bool limitsSeen_ = false;
    int trailPackets_ = 0; // of the trail being sent
    int trailPacketsDone_ = 0;
};

} // namespace comm
