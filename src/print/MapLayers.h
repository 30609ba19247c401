#pragma once

#include <functional>

class Carver;
class QPainter;

namespace gpsdata {
class GPSData;
}
namespace mapview {
class WindowObject;
}

namespace print {

// What the map shows, in the map window's order: the master map, the map
// borders over it, the GPS data on top. Each is drawn for the view's picture,
// in its device-independent pixels, whatever device the painter paints on.
struct MapLayers {
    // The master map under everything; none draws no master map.
    std::function<void(QPainter&, const mapview::WindowObject&)> master;
    const Carver* borders = nullptr;
    const gpsdata::GPSData* data = nullptr;

    void Draw(QPainter& painter, mapview::WindowObject& view, bool drawBorders) const;
};

} // namespace print
