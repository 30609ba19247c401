#pragma once

#include <QRgb>

namespace carver {

// How one kind of mark is drawn. `size` is in pixels for nodes and hot spots
// and in internal units for corridors and connections; `style` 0 solid, 1
// dashed, 2 dotted; `width` the pen width in pixels.
struct LineAttributes {
    int size = 0;
    int style = 0;
    int width = 1;
    QRgb colour = 0;
};

// Everything one view (0 or 1) draws and how.
struct ViewAttributes {
    int layers = 0;
    LineAttributes node{10, 0, 1, 0xff000000};
    LineAttributes select{5, 0, 1, 0xffff00ff};
    LineAttributes corridor{0, 0, 1, 0xffff00ff};
    LineAttributes connection{0, 0, 1, 0xff00ff00};
};

} // namespace carver
