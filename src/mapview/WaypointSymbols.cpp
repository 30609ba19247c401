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

const WaypointSymbols::RenderedStrip& WaypointSymbols::Strip(double pixelRatio) {
    const double ratio = StripRatio(pixelRatio);
    auto found = strips_.find(ratio);
    if (found != strips_.end())
        return found->second;
    RenderedStrip rendered{SymbolStrip(arts_, Columns, ratio), {}};
    const SymbolStrip& strip = rendered.strip;
    for (int symbol = 0; symbol < strip.Count(); ++symbol) {
        SymbolObject record = record_;
        record.SymbolImage = strip.Image(symbol);
        record.SymbolMask = strip.Mask(symbol);
        record.SymbolSprite = strip.Sprite(symbol);
        record.SymbolName = names_.value(symbol);
        rendered.records.push_back(record);
    }
    return strips_.emplace(ratio, std::move(rendered)).first->second;
}

const SymbolObject& WaypointSymbols::GetWaypointPicture(int symbol, double pixelRatio) {
    const RenderedStrip& rendered = Strip(pixelRatio);
    const auto count = static_cast<int>(rendered.records.size());
    if (count == 0)
        return record_;
    return rendered.records[static_cast<std::size_t>(symbol >= 0 && symbol < count ? symbol : 0)];
}

} // namespace mapview
