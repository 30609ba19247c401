#pragma once

#include "mastermap/At5Format.h"
#include "mastermap/Feature.h"

#include <QByteArray>

#include <optional>
#include <vector>

namespace files {
class ByteReader;
}

namespace mastermap {

// The spatial index of a master map file: a grid of square cells over the
// file's bounds, each cell listing the features whose bounds touch it.
class GridIndex {
public:
    struct Geometry {
        std::int32_t cellSize = at5::CellUnit;
        std::int32_t originX = 0;
        std::int32_t originY = 0;
        std::uint32_t columns = 0;
        std::uint32_t rows = 0;
    };
    struct CellRange {
        std::uint32_t col0 = 1, col1 = 0, row0 = 1, row1 = 0; // empty by default
    };

    static GridIndex Build(const Rect& bounds, const std::vector<Rect>& boxes);
    // Reads and checks the geometry fields; nothing when they make no sense.
    static std::optional<Geometry> ReadGeometry(files::ByteReader& in);

    void AppendGeometry(QByteArray& out) const;
    void AppendCells(QByteArray& out) const;

    static CellRange Cells(const Geometry& g, const Rect& r);

private:
    Geometry geometry_;
    std::vector<std::uint32_t> first_;
    std::vector<std::uint32_t> refs_;
};

} // namespace mastermap
