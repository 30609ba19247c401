#pragma once

#include <QObject>

namespace gpsdata {
class GPSData;
}
namespace mapbuild {
class MapData;
}
namespace mapview {
class UndoStack;
}

namespace app {

// Makes a route of the data set into an open map border through its
// waypoints, recorded first as an undo step of the map. A route of fewer than
// two waypoints makes nothing and records nothing.
class RouteBorderCommand : public QObject {
    Q_OBJECT
public:
    RouteBorderCommand(gpsdata::GPSData& data, mapbuild::MapData& map, mapview::UndoStack& undo,
                       QObject* parent = nullptr);

    void Make(qint16 route);

signals:
    // A border was added: the map is drawn again.
    void BorderAdded();

private:
    gpsdata::GPSData& data_;
    mapbuild::MapData& map_;
    mapview::UndoStack& undo_;
};

} // namespace app
