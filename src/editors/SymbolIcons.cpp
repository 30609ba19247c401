#include "editors/SymbolIcons.h"

#include "mapview/WaypointSymbols.h"
#include "mapview/WindowObject.h"

#include <QPixmap>

namespace editors {

QSize SymbolIcons::Size() {
    const int side = static_cast<int>(mapview::WaypointSymbols::CellSize);
    return {side, side};
}

QIcon SymbolIcons::Icon(int symbol, double pixelRatio) {
    const auto key = qMakePair(symbol, pixelRatio);
    const auto found = icons_.constFind(key);
    if (found != icons_.constEnd())
        return *found;
    const mapview::SymbolPicture& sprite = window_.GetWaypointPicture(symbol, pixelRatio).SymbolSprite;
    QPixmap pixmap = QPixmap::fromImage(sprite.Strip.copy(sprite.Cell.toAlignedRect()));
    pixmap.setDevicePixelRatio(sprite.PixelRatio);
    const QIcon icon(pixmap);
    icons_.insert(key, icon);
    return icon;
}

} // namespace editors
