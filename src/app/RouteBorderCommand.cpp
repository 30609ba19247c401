#include "app/RouteBorderCommand.h"

#include "gpsdata/GPSData.h"
#include "mapbuild/ConvertToMap.h"
#include "mapview/UndoStack.h"

namespace app {

RouteBorderCommand::RouteBorderCommand(gpsdata::GPSData& data, mapbuild::MapData& map,
                                       mapview::UndoStack& undo, QObject* parent)
    : QObject(parent), data_(data), map_(map), undo_(undo) {}

void RouteBorderCommand::Make(qint16 index) {
    const gpsdata::RouteObject* route = data_.Route(index);
    if (!route || route->NumWaypoints() < 2)
        return;
    undo_.PushUndoOperation(true, QStringLiteral("Make Map Border From Route"));
    if (mapbuild::ConvertToMap(*route, map_))
        emit BorderAdded();
}

} // namespace app
