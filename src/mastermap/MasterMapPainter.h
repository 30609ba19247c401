#pragma once

#include "mastermap/CategoryStyle.h"
#include "mastermap/MasterSet.h"

#include <QTransform>

class QPainter;

namespace mastermap {

// Draws the master map features of a rectangle into a QPainter: areas first,
// then lines, then points, each with its category's style. `toDevice` maps
// internal units to the painter's coordinates. Vertices closer than a pixel
// to the last drawn one are skipped.
class MasterMapPainter {
public:
    MasterMapPainter(const MasterSet& files, const CategoryStyles& styles) : files_(files), styles_(styles) {}

    // Only categories whose bit is set in `categories` are drawn.
    void Draw(QPainter& painter, const Rect& view, const QTransform& toDevice,
              std::uint64_t categories = ~0ull) const;

private:
    const MasterSet& files_;
    const CategoryStyles& styles_;
};

} // namespace mastermap
