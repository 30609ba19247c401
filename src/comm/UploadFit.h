#pragma once

#include "comm/TransferSelection.h"
#include "gpsdata/GPSData.h"
#include "linkpod/Records.h"

#include <QStringList>

namespace comm {

// What of the data set a unit can take, from the limits it told: slot counts
// (a unit of N waypoint slots has indexes 0 to N - 1), waypoints per route,
// points per trail and the lengths of names and comments. An upload asks
// it before it starts, so that the user reads what will not fit instead of
// finding it missing afterwards, and skips what the unit cannot hold rather
// than writing past the unit's slots.
class UploadFit {
public:
    UploadFit(const gpsdata::GPSData& data, const linkpod::UnitLimits& limits)
        : data_(data), limits_(limits) {}

    bool TakesWaypoint(int index) const { return index >= 0 && index < limits_.maxWaypoints; }
    // The route's slot exists, it is not longer than the unit's routes, and
    // the unit can hold every waypoint it names.
    bool TakesRoute(int index) const;
    bool TakesTrail(int index) const;
    // How many of `count` icons the unit's list holds.
    int IconsTaken(int count) const { return std::min<int>(count, limits_.maxIcons); }

    // One line for each item of the selection that will not be sent whole,
    // in the order of the upload; empty when everything fits.
    QStringList Problems(const TransferSelection& selection) const;

private:
    static bool Selected(const KindRange& range, int index);
    void WaypointProblems(qint16 index, QStringList& out) const;
    void NameProblem(const QString& item, const QString& name, QStringList& out) const;

    const gpsdata::GPSData& data_;
    linkpod::UnitLimits limits_;
};

} // namespace comm
