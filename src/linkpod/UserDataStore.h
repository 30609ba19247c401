#pragma once

#include "linkpod/RecordList.h"
#include "linkpod/Records.h"

namespace linkpod {

// The control's user data store: the records a ".usr" file or a card's user
// data file holds, and what a transfer reads from or fills when the card
// reader is the device. Per kind: Clear, Count, At (record k), Put.
struct UserDataStore {
    RecordList<UserWaypoint> waypoints;
    RecordList<UserRoute> routes;
    RecordList<UserIcon> icons;
    RecordList<UserTrail> trails;

    void Clear() {
        waypoints.Clear();
        routes.Clear();
        icons.Clear();
        trails.Clear();
    }
    friend bool operator==(const UserDataStore&, const UserDataStore&) = default;
};

// How many records of each kind the store accepts from a file or card.
struct StoreCapacity {
    int waypoints = 65535;
    int routes = 65535;
    int icons = 65535;
    int trails = 65535;
    int pointsPerTrail = 1 << 20;
};

} // namespace linkpod
