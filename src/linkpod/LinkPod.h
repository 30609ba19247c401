#pragma once

#include "linkpod/CardService.h"
#include "linkpod/PayloadReader.h"
#include "linkpod/PortTable.h"
#include "linkpod/Records.h"
#include "linkpod/StoreItemPath.h"
#include "linkpod/UnitItemPath.h"
#include "linkpod/UserDataStore.h"
#include "linkpod/UsrFileJob.h"

#include <QDateTime>
#include <QObject>

#include <map>

namespace linkpod {

class UnitLink;

// The communication control: the link to a GPS unit on a serial port, the
// card reader, and the user data store with its ".usr" files.
//
// Operations address the active device. The connected unit's device id sends
// them to the unit; its card device id and the card reader's device id reach
// cards; any other device (the host device the control starts with, the card
// reader) keeps the item operations in the data store, which then answers
// with the same events a unit would (UnitItemPath and StoreItemPath, chosen
// as the active device or the unit changes). Every answer comes as an event
// after the call has returned.
class LinkPod : public QObject {
    Q_OBJECT
public:
    explicit LinkPod(QObject* parent = nullptr);
    ~LinkPod() override;

    static constexpr std::uint16_t HostDevice = 0x0001;
    static std::uint16_t ReaderDevice(int port) { return CardService::ReaderDevice(port); }

    // LinkError codes.
    static constexpr std::uint16_t NoAnswer = 13; // no unit answered at this rate
    static constexpr std::uint16_t FlashWriteFailed = 19;
    static constexpr std::uint16_t FlashEraseFailed = 20;
    static constexpr std::uint16_t FlashCountFailed = 21;
    static constexpr std::uint16_t FlashStatusFailed = 22;
    static constexpr std::uint16_t ConnectionLost = 1001; // the unit stopped answering mid-request
    static constexpr std::uint16_t ReplyTimedOut = 1002;  // a request was taken but never answered
    static constexpr std::uint16_t Refused = 1003;        // the unit refused a request (bad index, full)
    static constexpr std::uint16_t StrayMessages = 2000;

    std::uint16_t ActiveDevice() const { return active_; }
    void SetActiveDevice(std::uint16_t device);
    // The connected unit's device id, 0 when none.
    std::uint16_t UnitDevice() const { return unitDevice_; }

    PortTable& Ports() { return ports_; }
    int BaudRate() const { return rate_; }
    void SetBaudRate(int rate) { rate_ = rate > 0 ? rate : 9600; }

    // Opens COM `port` at BaudRate() and probes for a unit. True when the port
    // opened; false with PortErrorText() telling why.
    bool WatchComPort(int port);
    void CloseComPort();
    QString PortErrorText() const { return portError_; }
    // The words for the last LinkError 1002 or 1003: what the unit refused or
    // left unanswered; empty for the other codes.
    QString LastErrorText() const { return errorText_; }

    // 0 open; 2 the reader is held by another program; 3 reader missing.
    int OpenParallelPort(int port);
    void CloseParallelPort();

    void ReadProductInfo(QString& name, int& productId, int& value1, int& versionMajor, int& versionMinor,
                         int& value2, QString& text) const;
    void ReadUnitLimits(int& maxWaypoints, int& maxIcons, int& maxRoutes, int& maxWaypointsPerRoute,
                        int& maxTrails) const;
    void ReadSymbolList(QList<int>& codes, int& count) const;
    // Everything the unit told of its limits, the trail and text limits too.
    const UnitLimits& Limits() const { return limits_; }
    // The three update requests: product record (LinkStatus 6), limits
    // (LinkStatus 22), memory use (last indexes).
    void RequestProductInfo();
    void RequestUnitLimits();
    void RequestMemoryStatus();
    // Memory status requests not answered yet. Replies come in request order,
    // so one who asks after writing lets that many replies go by before the
    // one that tells the state after the writes.
    int MemoryRequestsOpen() const { return unitItems_.MemoryRequestsOpen(); }

    void ReadWaypoint(int index);
    void ReadRoute(int index);
    void ReadIcon(int index);
    void ReadTrail(int index);
    void ReadIconCount();
    // Highest index in use, -1 for none (for the icon list: count - 1).
    int ReadLastIndex(ListKind kind) const;

    // Names and comments longer than the unit keeps (Limits()) lose their
    // end on the way to the unit; the upload says so before it starts.
    void WriteWaypoint(const UserWaypoint& waypoint);
    void EraseWaypoint(int index);
    // A route without name and waypoints erases its slot.
    void WriteRoute(const UserRoute& route);
    void WriteIcon(const UserIcon& icon);
    void WriteIconCount(int count);
    // A trail is sent as OpenTrail, WriteTrail for each packet of points,
    // CloseTrail; the trail is in place when TrailSent arrives.
    void OpenTrail(int index, int size, const QString& name);
    void WriteTrail(const QList<std::int32_t>& x, const QList<std::int32_t>& y, const QList<bool>& continuous,
                    int count);
    void CloseTrail();
    void ClearWaypoints();
    void ClearRoutes();
    void ClearTrails();
    void ClearIcons();
    // Trail `index` becomes a route of at most `maxWaypoints` new waypoints
    // (0: a default) along it; route and waypoints land in the data store and
    // TrailRouteReady follows. The unit makes it from its own trail slot when
    // it is the active device, the control from the store's trail otherwise.
    void MakeRouteFromTrail(int index, int maxWaypoints = 0);
    static constexpr int DefaultRouteFromTrailWaypoints = 50;

    // The user data file: the whole store read from or written to `path`.
    void ReadUserDataFile(const QString& path);
    void WriteUserDataFile(const QString& path, const QDateTime& when);
    // Stops a file read or write under way; no end event follows.
    void CancelUserDataFile();
    UserDataStore& Store() { return store_; }
    void SetStoreCapacity(const StoreCapacity& capacity);

    // Cards of the active device (the card reader or a unit's card device).
    int CardSlotCount() const;
    CardSlot CardSlotInfo(int slot) const;
    QString CardSlotLabel(int slot) const;
    int CardFileCount(int slot) const;
    CardFile CardFileInfo(int slot, int index) const;
    void EraseCardFile(int slot, int index);
    void FormatCard(int slot, const QString& label);
    int StartFileWrite(int slot, const QString& name, std::uint64_t size, const QDateTime& date, int flags,
                       std::uint32_t& handle);
    int WriteFileBlock(const QByteArray& bytes, int count, std::uint32_t handle);
    void EndFileWrite(std::uint32_t handle);
    // Gives up a write: its handle is closed and its partial file removed.
    void AbortFileWrite(std::uint32_t handle);
    void SaveUserDataToCard(int slot, const QDateTime& when);
    void LoadUserDataFromCard(int slot);

    // Flash partitions of a unit on the Dezav link.
    void ReadFlashSectionCount();
    void ReadFlashSectionStatus(int number);
    void EraseFlash(int first, int count);
    // False when no Dezav unit is connected or the block is above 512 bytes.
    bool ProgramFlash(std::uint32_t address, const QByteArray& block);
    void FlashProgramDone();

signals:
    void DeviceConnected(std::uint16_t device);
    void LurchUnitFound();
    void DeviceRemoved(std::uint16_t device);
    void LinkStatus(std::uint16_t device, int code, int value1, int value2);
    void FLNewDeviceReady(std::uint16_t device, int flag);
    void TrailRouteReady(int routeIndex, int waypointCount);
    void LinkError(std::uint16_t code);
    // The unit answered a request for its memory status (RequestMemoryStatus,
    // and once when it is found): ReadLastIndex tells how far its lists reach.
    void MemoryStatusRead();

    void UserDataProgress(int percent);
    void UserDataLoaded(int result);
    void UserDataSaved(int result);

    void Waypoint(int index, bool inUse, const linkpod::UserWaypoint& waypoint);
    void WaypointSent(int index);
    void Route(int index, const linkpod::UserRoute& route);
    void RouteSent(int index);
    void Icon(int index, const linkpod::UserIcon& icon);
    void IconSent(int index);
    void NumIcons(int count);
    void NumIconsSent();
    void Trail(int index, const linkpod::UserTrail& trail);
    void TrailPacketSent(int count);
    void TrailSent(int index);

    void NumFlashSections(int count);
    void FlashSectionStatus(const linkpod::FlashSection& section);
    void ProgressFlash(float percent);
    void FlashErased();
    void ProgramFlashMemorySent(bool ok);
    // The unit confirmed (or refused) the end of programming its partitions.
    void ProgrammingEnded(bool ok);
    // A card file write: the card took (code 0) or refused its start, and
    // later holds the whole file under its name (or not).
    void FileWriteStarted(std::uint32_t handle, int code);
    void FileWriteEnded(std::uint32_t handle, bool ok);

private:
    // The item operations go to the unit when its device is the active one,
    // to the data store otherwise.
    void ChooseItemPath();
    void Forward(ItemPath& path);
    // Any request but the item operations': the item writes held back go
    // first.
    void SendToUnit(Command kind, std::uint16_t device, const QByteArray& payload, Command reply);
    void Ask(Command kind, const QByteArray& payload, Command reply);
    bool ToDezav() const { return unit_ && unitType_ == LinkType::Dezav; }
    void OnAnswered(UnitLink* link, std::uint16_t device, LinkType type);
    void OnNoAnswer(UnitLink* link);
    void OnGone(UnitLink* link);
    void OnFrame(Command request, const Frame& frame);
    void OnResult(Command request, PayloadReader& in);
    void OnTimedOut(Command request);
    void Fail(std::uint16_t code, const QString& text = {});
    void DropLink(UnitLink* link);
    static std::uint16_t ErrorFor(Command request, std::uint16_t otherwise);

    PortTable ports_;
    int rate_ = 115200;
    QString portError_;
    QString errorText_;
    std::map<int, UnitLink*> links_;
    UnitLink* unit_ = nullptr;
    std::uint16_t unitDevice_ = 0;
    LinkType unitType_ = LinkType::Standard;
    std::uint16_t active_ = HostDevice;
    ProductInfo product_;
    UnitLimits limits_;
    UserDataStore store_;
    StoreCapacity capacity_;
    UsrFileJob fileJob_;
    CardService cards_;
    UnitItemPath unitItems_;
    StoreItemPath storeItems_;
    ItemPath* items_ = &storeItems_;
};

} // namespace linkpod
