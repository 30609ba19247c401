#pragma once

#include <QHash>
#include <QIcon>

namespace mapview {
class WindowObject;
}

namespace editors {

// The small pictures of the waypoint and icon symbols beside list rows: the
// symbol as the map draws it, transparent around it, made once per symbol
// and pixel ratio.
class SymbolIcons {
public:
    explicit SymbolIcons(mapview::WindowObject& window) : window_(window) {}

    QIcon Icon(int symbol, double pixelRatio);
    mapview::WindowObject& Window() const { return window_; }
    // The size the list rows give the pictures, device-independent pixels.
    static QSize Size();

private:
    mapview::WindowObject& window_;
    QHash<QPair<int, double>, QIcon> icons_;
};

} // namespace editors
