#pragma once

#include "mapview/SymbolArt.h"

#include <QString>

#include <vector>

namespace mapview {

// The waypoint and icon symbols, in symbol-number order, with the names the
// symbol list shows.
struct WaypointSymbol {
    QString Name;
    SymbolArt Art;
};

const std::vector<WaypointSymbol>& WaypointSymbolSet();

} // namespace mapview
