#pragma once

#include "mapview/SymbolPicture.h"

#include <QString>

#include <cstdint>

namespace mapview {

// One symbol as the map draws it: where its hot spot and label go, its picture
// and mask, and, for waypoint symbols, its name. SymbolSprite is the picture
// seen through its mask (transparent outside the symbol), the form painted.
struct SymbolObject {
    std::int32_t SymbolClass = 0; // 3 numbered shields, 4 point features
    std::int32_t SymbolType = 0;
    std::int16_t SymbolLimit = 0; // largest number a shield can show
    std::int16_t HotX = 0;        // pixels from the top-left corner to the position
    std::int16_t HotY = 0;
    std::int16_t TextX = 0; // pixels into the symbol where its number starts
    std::int16_t TextY = 0; // pixels from the position down to the label
    SymbolPicture SymbolImage;
    SymbolPicture SymbolMask;
    SymbolPicture SymbolSprite;
    QString SymbolName;
};

} // namespace mapview
