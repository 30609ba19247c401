#pragma once

#include "mapview/SymbolArt.h"
#include "mapview/SymbolObject.h"
#include "mapview/SymbolStrip.h"

#include <QStringList>

#include <map>
#include <vector>

namespace mapview {

// The waypoint and icon symbol strips. Strips are rendered from the vector
// symbols once for each pixel ratio a painter asks for, so symbols are sharp
// on high-density screens and printers alike.
class WaypointSymbols {
public:
    static constexpr int Columns = 8;
    static constexpr double CellSize = 16;

    WaypointSymbols();

    int Count() const { return static_cast<int>(arts_.size()); }
    const QStringList& Names() const { return names_; }

    // The symbol's record at the strip for that ratio, kept for the life of
    // the set. Numbers outside the strip give symbol 0.
    const SymbolObject& GetWaypointPicture(int symbol, double pixelRatio = 1);

    // The pixel ratio a strip is rendered at for a device of this ratio.
    static double StripRatio(double devicePixelRatio);

private:
    // A strip and the record of each of its symbols: a map draws thousands
    // of symbols a frame, each asking for its record.
    struct RenderedStrip {
        SymbolStrip strip;
        std::vector<SymbolObject> records;
    };
    const RenderedStrip& Strip(double pixelRatio);

    std::vector<SymbolArt> arts_;
    QStringList names_;
    std::map<double, RenderedStrip> strips_;
    SymbolObject record_;
};

} // namespace mapview
