#pragma once

#include "mapview/PointerKind.h"

#include <QCursor>

namespace app {

// The map display's pointer for each kind the viewport asks for: the arrow with
// the picture of the mode's toolbar button for the drawing and dropping modes.
class MapPointers {
public:
    static QCursor Cursor(mapview::PointerKind kind);
};

} // namespace app
