#pragma once

#include <QImage>
#include <QRectF>

namespace mapview {

// A symbol cut from a picture strip: the strip itself (shared, not copied),
// the symbol's cell in it in the strip's device pixels, and how many device
// pixels the strip has per device-independent pixel.
struct SymbolPicture {
    QImage Strip;
    QRectF Cell;
    double PixelRatio = 1;

    QSizeF Size() const { return Cell.size() / PixelRatio; }
};

} // namespace mapview
