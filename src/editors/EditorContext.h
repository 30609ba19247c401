#pragma once

#include "editors/PopupCommands.h"

#include <QtGlobal>

#include <functional>
#include <optional>

class QWidget;

namespace gpsdata {
class GPSData;
}
namespace mapview {
class UndoStack;
class WindowObject;
} // namespace mapview
namespace ui {
class Prompt;
}

namespace editors {

// What every editing window works with: the one data set, the undo stack,
// the viewport (symbol pictures, distance units, centring the map) and the
// message boxes, and how to open the item editor of an object. An opener that
// is not set opens nothing.
struct EditorContext {
    gpsdata::GPSData& data;
    mapview::UndoStack& undo;
    mapview::WindowObject& window;
    ui::Prompt& prompt;
    std::function<void(qint16)> openWaypoint = {};
    std::function<void(qint16)> openRoute = {};
    std::function<void(qint16)> openIcon = {};
    // The viewport, or the list of open route editors in it, changed: the map
    // window follows (zoom box, pointer) and draws again.
    std::function<void()> viewChanged = {};
    // The symbol selector opened on `current`: the symbol picked, none when
    // it was closed without a pick.
    std::function<std::optional<int>(int current, QWidget* owner)> chooseSymbol = {};
    // The route and trail commands that the map's popups and the rows of the
    // list windows share.
    PopupCommands popups = {};
};

} // namespace editors
