#pragma once

#include "mapview/SymbolArt.h"
#include "mapview/SymbolPicture.h"

#include <vector>

namespace mapview {

// Symbols rendered side by side, row by row, at one device pixel ratio: the
// images (symbol on white), the masks (black over the symbol, white around it)
// and the sprites (the image through the mask) share one cell layout. Cells are
// as large as the largest symbol; each symbol sits in its cell's top-left corner.
class SymbolStrip {
public:
    SymbolStrip(const std::vector<SymbolArt>& symbols, int columns, double pixelRatio);

    int Count() const { return count_; }
    int Columns() const { return columns_; }
    int Rows() const { return (count_ + columns_ - 1) / columns_; }
    double PixelRatio() const { return pixelRatio_; }
    SymbolPicture Image(int symbol) const { return {images_, Cell(symbol), pixelRatio_}; }
    SymbolPicture Mask(int symbol) const { return {masks_, Cell(symbol), pixelRatio_}; }
    SymbolPicture Sprite(int symbol) const { return {sprites_, Cell(symbol), pixelRatio_}; }

private:
    QRectF Cell(int symbol) const;

    int count_;
    int columns_;
    double pixelRatio_;
    QSizeF cellPixels_;
    std::vector<QSizeF> sizes_;
    QImage images_;
    QImage masks_;
    QImage sprites_;
};

} // namespace mapview
