#pragma once

#include <QtGlobal>

namespace comm {

// What one transfer moves, per kind: everything, nothing, or a range of
// 0-based indexes. A range whose first index is above its last moves nothing.
struct KindRange {
    enum Choice { All, None, Range };
    Choice choice = All;
    int first = 0;
    int last = -1;

    static KindRange Everything() { return {All, 0, -1}; }
    static KindRange Nothing() { return {None, 0, -1}; }
    static KindRange Indexes(int first, int last) { return {Range, first, last}; }
};

struct TransferSelection {
    KindRange waypoints = KindRange::Everything();
    KindRange routes = KindRange::Everything();
    KindRange icons = KindRange::Everything();
    KindRange trails = KindRange::Everything();
};

} // namespace comm
