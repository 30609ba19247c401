#include "carver/BlockCover.h"

#include <QSet>

#include <algorithm>
#include <cmath>

namespace carver {

BlockCover::BlockCover(int blockSize, int corridorWidth)
    : size_(std::max(blockSize, 1)), corridor_(std::max(corridorWidth, 0)) {}

double BlockCover::Reach(const Border& border) const {
    return border.closed ? 0.0 : corridor_ / 2.0;
}

Box BlockCover::BlockBox(QPoint block) const {
    const double x = double(block.x()) * size_, y = double(block.y()) * size_;
    return {x, y, x + size_, y + size_};
}

bool BlockCover::Covers(const Border& border, QPoint block) const {
    const Box box = BlockBox(block);
    const auto& v = border.vertices;
    if (v.isEmpty())
        return false;
    if (border.closed && v.size() >= 3 && PointInPolygon(box.Centre(), v))
        return true;
    const double reach = Reach(border);
    const qsizetype edges = border.closed ? v.size() : std::max<qsizetype>(v.size() - 1, 1);
    for (qsizetype i = 0; i < edges; ++i) {
        if (SegmentBoxDistance(v[i], v[(i + 1) % v.size()], box) <= reach)
            return true;
    }
    return false;
}

QList<QPoint> BlockCover::Covered(const QList<Border>& borders, std::optional<Box> within) const {
    QSet<QPoint> found;
    const auto index = [&](double v) { return int(std::floor(v / size_)); };
    for (const Border& border : borders) {
        if (border.vertices.isEmpty())
            continue;
        Box box = Bounds(border.vertices).Grown(Reach(border));
        if (within) {
            if (!box.Meets(*within))
                continue;
            box = box.Clipped(*within);
        }
        for (int r = index(box.y0); r <= index(box.y1); ++r)
            for (int c = index(box.x0); c <= index(box.x1); ++c)
                if (Covers(border, {c, r}))
                    found.insert({c, r});
    }
    QList<QPoint> out(found.begin(), found.end());
    std::sort(out.begin(), out.end(),
              [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    return out;
}

} // namespace carver
