#include "mastermap/GridIndex.h"

#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "mastermap/At5Format.h"

#include <algorithm>

namespace mastermap {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

GridIndex::CellRange GridIndex::Cells(const Geometry& g, const Rect& r) {
    CellRange range;
    if (r.IsEmpty() || g.columns == 0 || g.rows == 0 || g.cellSize <= 0)
        return range;
    const auto clampTo = [](std::int64_t v, std::int64_t hi) { return std::clamp<std::int64_t>(v, 0, hi); };
    const std::int64_t c0 = FloorDiv(std::int64_t{r.left} - g.originX, g.cellSize);
    const std::int64_t c1 = FloorDiv(std::int64_t{r.right} - g.originX, g.cellSize);
    const std::int64_t r0 = FloorDiv(std::int64_t{r.bottom} - g.originY, g.cellSize);
    const std::int64_t r1 = FloorDiv(std::int64_t{r.top} - g.originY, g.cellSize);
    if (c1 < 0 || r1 < 0 || c0 >= g.columns || r0 >= g.rows)
        return range;
    range.col0 = static_cast<std::uint32_t>(clampTo(c0, g.columns - 1));
    range.col1 = static_cast<std::uint32_t>(clampTo(c1, g.columns - 1));
    range.row0 = static_cast<std::uint32_t>(clampTo(r0, g.rows - 1));
    range.row1 = static_cast<std::uint32_t>(clampTo(r1, g.rows - 1));
    return range;
}

GridIndex GridIndex::Build(const Rect& bounds, const std::vector<Rect>& boxes) {
    GridIndex index;
    Geometry& g = index.geometry_;
    if (!bounds.IsEmpty()) {
        const std::int64_t side = std::max<std::int64_t>(std::int64_t{bounds.right} - bounds.left,
                                                         std::int64_t{bounds.top} - bounds.bottom) +
                                  1;
        const std::int64_t units =
            (side + at5::MaxCellsPerSide * at5::CellUnit - 1) / (at5::MaxCellsPerSide * at5::CellUnit);
        g.cellSize = static_cast<std::int32_t>(std::max<std::int64_t>(1, units) * at5::CellUnit);
        g.originX = static_cast<std::int32_t>(FloorDiv(bounds.left, g.cellSize) * g.cellSize);
        g.originY = static_cast<std::int32_t>(FloorDiv(bounds.bottom, g.cellSize) * g.cellSize);
        g.columns =
            static_cast<std::uint32_t>(FloorDiv(std::int64_t{bounds.right} - g.originX, g.cellSize) + 1);
        g.rows = static_cast<std::uint32_t>(FloorDiv(std::int64_t{bounds.top} - g.originY, g.cellSize) + 1);
    }
    std::vector<std::vector<std::uint32_t>> cells(std::size_t{g.columns} * g.rows);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const CellRange c = Cells(g, boxes[i]);
        for (std::uint32_t row = c.row0; row <= c.row1; ++row)
            for (std::uint32_t col = c.col0; col <= c.col1; ++col)
                cells[std::size_t{row} * g.columns + col].push_back(static_cast<std::uint32_t>(i));
    }
    index.first_.push_back(0);
    for (const auto& cell : cells) {
        index.refs_.insert(index.refs_.end(), cell.begin(), cell.end());
        index.first_.push_back(static_cast<std::uint32_t>(index.refs_.size()));
    }
    return index;
}

std::optional<GridIndex::Geometry> GridIndex::ReadGeometry(files::ByteReader& in) {
    Geometry g;
    g.cellSize = in.Read<std::int32_t>();
    g.originX = in.Read<std::int32_t>();
    g.originY = in.Read<std::int32_t>();
    g.columns = in.Read<std::uint32_t>();
    g.rows = in.Read<std::uint32_t>();
    if (in.PastEnd() || g.cellSize <= 0 || g.columns > 65536 || g.rows > 65536)
        return std::nullopt;
    return g;
}

void GridIndex::AppendGeometry(QByteArray& out) const {
    files::AppendLittleEndian<std::int32_t>(out, geometry_.cellSize);
    files::AppendLittleEndian<std::int32_t>(out, geometry_.originX);
    files::AppendLittleEndian<std::int32_t>(out, geometry_.originY);
    files::AppendLittleEndian<std::uint32_t>(out, geometry_.columns);
    files::AppendLittleEndian<std::uint32_t>(out, geometry_.rows);
}

void GridIndex::AppendCells(QByteArray& out) const {
    for (std::uint32_t v : first_)
        files::AppendLittleEndian<std::uint32_t>(out, v);
    for (std::uint32_t v : refs_)
        files::AppendLittleEndian<std::uint32_t>(out, v);
}

} // namespace mastermap
