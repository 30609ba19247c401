#pragma once

#include "carver/Border.h"
#include "carver/Geometry.h"

#include <QList>
#include <QPoint>

#include <optional>

namespace carver {

// The square blocks a map is cut in: block (c, r) spans internal X from
// c * size to (c + 1) * size and Y from r * size to (r + 1) * size. A block is
// covered when it meets the inside or the edge of a closed border, or comes
// within half the corridor width of an open one.
class BlockCover {
public:
    BlockCover(int blockSize, int corridorWidth);

    // Covered blocks, ordered by row and then column, each once; only those
    // meeting `within` (internal units) when it is given.
    QList<QPoint> Covered(const QList<Border>& borders, std::optional<Box> within = std::nullopt) const;
    bool Covers(const Border& border, QPoint block) const;
    Box BlockBox(QPoint block) const;

private:
    double Reach(const Border& border) const;

    int size_;
    int corridor_;
};

} // namespace carver
