#include "mapview/WaypointSymbols.h"

#include "mapview/WaypointSymbolSet.h"

#include <algorithm>
#include <cmath>

namespace mapview {

WaypointSymbols::WaypointSymbols() {
    for (const WaypointSymbol& symbol : WaypointSymbolSet()) {
        arts_.push_back(symbol.Art);
        names_ << symbol.Name.trimmed();
    }
    record_.HotX = static_cast<std::int16_t>(CellSize / 2);
    record_.HotY = static_cast<std::int16_t>(CellSize / 2);
    record_.TextX = 0;
    // The label is centred this far below the position: with names about as
    // tall as a cell, it starts just under the symbol.
    record_.TextY = static_cast<std::int16_t>(CellSize);
}

double WaypointSymbols::StripRatio(double devicePixelRatio) {
    // Half steps keep the number of strips small; beyond 8 nothing gets sharper.
    return std::clamp(std::ceil(devicePixelRatio * 2) / 2, 1.0, 8.0);
}

const SymbolStrip& WaypointSymbols::Strip(double pixelRatio) {
    const double ratio = StripRatio(pixelRatio);
    auto found = strips_.find(ratio);
    if (found == strips_.end())
        found = strips_.try_emplace(ratio, arts_, Columns, ratio).first;
    return found->second;
}

const SymbolObject& WaypointSymbols::GetWaypointPicture(int symbol, double pixelRatio) {
    const SymbolStrip& strip = Strip(pixelRatio);
    if (symbol < 0 || symbol >= strip.Rows() * strip.Columns() || symbol >= strip.Count())
        symbol = 0;
    record_.SymbolImage = strip.Image(symbol);
    record_.SymbolMask = strip.Mask(symbol);
    record_.SymbolSprite = strip.Sprite(symbol);
    record_.SymbolName = names_.value(symbol);
    return record_;
}

} // namespace mapview
