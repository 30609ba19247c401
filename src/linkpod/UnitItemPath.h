#pragma once

#include "linkpod/Frame.h"
#include "linkpod/ItemPath.h"
#include "linkpod/UserDataStore.h"
#include "linkpod/WriteBatch.h"

#include <map>

namespace linkpod {

class PayloadReader;
class UnitLink;

// The item operations as requests to the connected unit. Reads fetch the
// slots after the one asked for in the same reply and answer later reads
// from them; writes are held back and go out in batches; a trail is read
// header first, then its points packet by packet, and reported whole. The
// unit's memory status, which tells how far its lists reach, is kept here.
class UnitItemPath : public ItemPath {
    Q_OBJECT
public:
    // `limits` are the unit's, as the control last heard them; `store`
    // receives the routes the unit makes from its trails.
    UnitItemPath(const UnitLimits& limits, UserDataStore& store, QObject* parent = nullptr);

    // A unit answered on `link`: nothing read ahead or held back from an
    // earlier one counts, and its memory status is not known yet.
    void Attach(UnitLink* link, std::uint16_t device);
    // The unit went away; requests go nowhere until the next one answers.
    void Detach();

    void ReadWaypoint(int index) override;
    void ReadRoute(int index) override;
    void ReadIcon(int index) override;
    void ReadTrail(int index) override;
    void ReadIconCount() override;
    int ReadLastIndex(ListKind kind) const override;

    // Names and comments longer than the unit keeps lose their end.
    void WriteWaypoint(const UserWaypoint& waypoint) override;
    void EraseWaypoint(int index) override;
    void WriteRoute(const UserRoute& route) override;
    void WriteIcon(const UserIcon& icon) override;
    void WriteIconCount(int count) override;
    // The size reserves room; a unit that told its longest trail is never
    // asked for more.
    void OpenTrail(int index, int size, const QString& name) override;
    void WriteTrail(const QList<TrailPoint>& points) override;
    void CloseTrail() override;
    void Clear(ListKind kind) override;
    // The unit makes the route from its own trail slot; `maxWaypoints` is
    // its own choice.
    void MakeRouteFromTrail(int index, int maxWaypoints) override;

    void RequestMemoryStatus();
    // Memory status requests not answered yet.
    int MemoryRequestsOpen() const { return memoryRequestsOpen_; }

    // Another request is about to go to the unit: the writes held back go
    // first, so its reply confirms them, and what was read ahead is
    // forgotten, as the slots may change.
    void BeforeOtherRequest();
    // Writes were reported sent that the unit has not had yet.
    bool HoldsWrites() const { return writes_.Holds(); }

    // Handles a reply to an item or memory status request; false for any other.
    bool HandleReply(Command request, const Frame& frame);
    // Handles the Result of an item request; false for any other.
    bool HandleResult(Command request, std::uint16_t code, std::uint32_t value);
    // Every Result tells the unit's current memory status.
    void TakeMemoryStatus(const MemoryStatus& status) { memory_ = status; }
    void OnTimedOut(Command request);

signals:
    // The unit answered a memory status request: ReadLastIndex tells how far
    // its lists reach.
    void MemoryStatusRead();

private:
    void Ask(Command kind, const QByteArray& payload, Command reply);
    void Send(Command kind, const QByteArray& payload, Command reply, bool followUp = false);
    void ReadItem(Command request, Command reply, int index, int lastInUse);
    void OnItems(Command kind, const QByteArray& payload);
    std::uint16_t OnItem(Command kind, PayloadReader& in, bool report);
    void WriteBehind(Command kind, const QByteArray& record);
    // After a refused write nothing more of the upload goes out.
    void DropWrites();
    void MemoryRequestSettled();
    void OnTrailHeader(PayloadReader& in);
    void OnTrailPoints(PayloadReader& in);
    void OnRouteFromTrail(PayloadReader& in);
    QString KeptName(const QString& name) const;

    const UnitLimits& limits_;
    UserDataStore& store_;
    UnitLink* link_ = nullptr;
    std::uint16_t device_ = 0;
    MemoryStatus memory_;
    int memoryRequestsOpen_ = 0;
    std::map<std::pair<Command, std::uint16_t>, QByteArray> readAhead_; // item replies by kind and slot
    WriteBatch writes_;
    std::uint16_t outgoingTrail_ = 0; // index of the trail being written
    UserTrail incoming_;              // trail being read
    std::uint32_t incomingTotal_ = 0;
};

} // namespace linkpod
