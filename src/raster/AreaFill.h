#pragma once

#include "raster/RasterTarget.h"

#include <QPolygonF>

#include <vector>

namespace raster {

// Areas filled with one colour, without smoothing, straight into the pixels:
// a pixel is filled when its centre lies inside the area by the odd-even
// rule, as the painter fills an unsmoothed polygon, and blended as the
// painter blends. The painter rasterises a country's outline of tens of
// thousands of vertices at some hundreds of operations a crossing of a row;
// here a crossing costs a few, and each run of the area one fill or blend.
class AreaFill {
public:
    explicit AreaFill(const RasterTarget& target) : target_(target) {}

    // Fills the rings (the painter's coordinates) with a premultiplied
    // colour. False, touching nothing, for rings that cross the rows more
    // than MaxCrossings times (thousands of edges each spanning the picture,
    // which the painter draws without holding every crossing at once).
    bool Fill(const std::vector<QPolygonF>& rings, QRgb colour);

    static constexpr std::size_t MaxCrossings = std::size_t{1} << 21;

private:
    // False once the crossings are too many.
    bool AddEdge(QPointF a, QPointF b);
    void FillRows(QRgb colour);

    RasterTarget target_;
    // Where the edges cross the centre lines of the rows, gathered as
    // (row, x) and then grouped by row.
    std::vector<int> rowOf_;
    std::vector<float> xOf_;
    std::vector<int> rowStart_, next_;
    std::vector<float> byRow_;
};

} // namespace raster
