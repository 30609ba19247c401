#pragma once

#include "mapview/SymbolObject.h"
#include "mapview/SymbolStrip.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace mapview {

// The map-feature symbols: numbered road shields (class 3) and point features
// (class 4), records 1 to 60, each described by a text of seven numbers.
class MapSymbolTable {
public:
    static constexpr int NumSymbols = 60;
    // Map-feature symbols are rendered at this pixel ratio: sharp on
    // high-density screens, smoothly reduced elsewhere.
    static constexpr double PixelRatio = 2;

    MapSymbolTable();

    // Record 1 to 60.
    const SymbolObject& Record(int number) const;
    const SymbolObject& GetSymbolPicture(std::int32_t symbolClass, std::int32_t symbolType,
                                         std::int32_t number) const;

    // The seven numbers class, type, limit, hot x, hot y, text x, text y from
    // their text (separated by runs of spaces); none when the text is not that.
    static std::optional<std::array<int, 7>> ParseNumbers(const QString& text);

private:
    std::vector<SymbolObject> records_;
    std::optional<SymbolStrip> strip_;
};

} // namespace mapview
