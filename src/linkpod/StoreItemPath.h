#pragma once

#include "linkpod/ItemPath.h"
#include "linkpod/UserDataStore.h"

namespace linkpod {

// The item operations kept in the control's data store: what a transfer
// reads and fills when no unit is the active device (the card reader's user
// data, a ".usr" file). It answers with the events a unit would.
class StoreItemPath : public ItemPath {
    Q_OBJECT
public:
    explicit StoreItemPath(UserDataStore& store, QObject* parent = nullptr);

    void ReadWaypoint(int index) override;
    void ReadRoute(int index) override;
    void ReadIcon(int index) override;
    void ReadTrail(int index) override;
    void ReadIconCount() override;
    int ReadLastIndex(ListKind kind) const override;

    void WriteWaypoint(const UserWaypoint& waypoint) override;
    void EraseWaypoint(int index) override;
    void WriteRoute(const UserRoute& route) override;
    void WriteIcon(const UserIcon& icon) override;
    void WriteIconCount(int count) override;
    void OpenTrail(int index, int size, const QString& name) override;
    void WriteTrail(const QList<TrailPoint>& points) override;
    void CloseTrail() override;
    void Clear(ListKind kind) override;
    // The route follows the store's trail, simplified to `maxWaypoints`
    // points; no unit's trails, routes or waypoints are touched.
    void MakeRouteFromTrail(int index, int maxWaypoints) override;

private:
    UserDataStore& store_;
    UserTrail outgoing_; // trail being written
};

} // namespace linkpod
