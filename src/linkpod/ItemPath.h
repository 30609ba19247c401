#pragma once

#include "linkpod/Command.h"
#include "linkpod/Records.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace linkpod {

// Where the control's item operations go: to the connected unit, or to the
// data store when any other device is active. Both answer every call with
// the same events, and only after the call has returned, so whoever asks
// never needs to know which one it talks to.
class ItemPath : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Trail points in one packet, either way.
    static constexpr int TrailPacket = 512;

    virtual void ReadWaypoint(int index) = 0;
    virtual void ReadRoute(int index) = 0;
    virtual void ReadIcon(int index) = 0;
    virtual void ReadTrail(int index) = 0;
    virtual void ReadIconCount() = 0;
    // Highest index in use, -1 for none (for the icon list: count - 1).
    virtual int ReadLastIndex(ListKind kind) const = 0;

    virtual void WriteWaypoint(const UserWaypoint& waypoint) = 0;
    virtual void EraseWaypoint(int index) = 0;
    // A route without name and waypoints erases its slot.
    virtual void WriteRoute(const UserRoute& route) = 0;
    virtual void WriteIcon(const UserIcon& icon) = 0;
    virtual void WriteIconCount(int count) = 0;
    // A trail goes as OpenTrail, WriteTrail per packet of points, CloseTrail.
    virtual void OpenTrail(int index, int size, const QString& name) = 0;
    virtual void WriteTrail(const QList<TrailPoint>& points) = 0;
    virtual void CloseTrail() = 0;
    virtual void Clear(ListKind kind) = 0;
    // The route and its new waypoints land in the data store.
    virtual void MakeRouteFromTrail(int index, int maxWaypoints) = 0;

signals:
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
    void TrailRouteReady(int routeIndex, int waypointCount);
    // A request was refused; `reason` names the item and why.
    void Refused(const QString& reason);
    // A reply came that does not continue what was asked.
    void ReplyLost();

protected:
    // Raises an event once the caller has returned.
    void Later(std::function<void()> event) { QTimer::singleShot(0, this, std::move(event)); }
};

} // namespace linkpod
