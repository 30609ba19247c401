#pragma once

#include <QPointF>
#include <QString>

namespace gpsdata {
class GPSData;
}
namespace mapview {
class WindowObject;
}

namespace app {

// The waypoint or icon nearest to a point of the map, within a few pixels:
// one distance is passed through every waypoint and then every icon, so the
// closest object wins.
class MapHitTest {
public:
    enum class Kind { None, Waypoint, Icon };
    struct Hit {
        Kind kind = Kind::None;
        qint16 index = -1;
        QString text;
    };

    // How far from its symbol's centre an object still counts as hit.
    static constexpr double RadiusPixels = 8;

    static Hit Find(const gpsdata::GPSData& data, const mapview::WindowObject& view, QPointF at,
                    bool waypoints = true, bool icons = true);

    // The route leg nearest to a point, within the same few pixels of the
    // straight line between its waypoints; leg k (from 1) runs from entry k
    // to entry k + 1.
    struct Leg {
        qint16 route = -1;
        int leg = 0;
        QString name;
    };
    static Leg FindLeg(const gpsdata::GPSData& data, const mapview::WindowObject& view, QPointF at);

    // The trail whose drawn line passes nearest to a point, within the same
    // few pixels; -1 for none.
    struct TrailHit {
        qint16 trail = -1;
        QString name;
    };
    static TrailHit FindTrail(const gpsdata::GPSData& data, const mapview::WindowObject& view, QPointF at);
};

} // namespace app
