#pragma once

#include "mastermap/CategoryLibrary.h"

#include <QString>

#include <cstdint>

namespace mastermap {

// The layer selection text handed to the engine: groups ending in ";", each a
// major category code followed by ",CATEGORY" for each selected minor
// category; a group "Estimate" asks for an estimate instead of a map.
struct LayerSelection {
    std::uint64_t categories = 0; // bit i: map category i is kept
    bool estimate = false;

    // Only categories that the library lists under the named major category
    // count; anything else in the text is ignored.
    static LayerSelection Parse(const QString& text, const CategoryLibrary& library);
};

} // namespace mastermap
