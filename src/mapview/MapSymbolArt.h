#pragma once

#include "mapview/SymbolArt.h"
#include "mapview/SymbolObject.h"

namespace mapview {

// The picture of a map-feature symbol, black on white, sized from its record:
// a shield as wide as twice its text offset, a point symbol twice its hot spot.
SymbolArt MapSymbolArt(const SymbolObject& record);

} // namespace mapview
