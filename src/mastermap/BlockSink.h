#pragma once

#include "mastermap/Feature.h"

#include <vector>

namespace mastermap {

// Receives a cut map block by block, rows from the bottom, columns from the
// left. A block is column c, row r: the square c x size .. (c + 1) x size by
// r x size .. (r + 1) x size.
class BlockSink {
public:
    virtual ~BlockSink() = default;
    virtual void Block(std::int32_t column, std::int32_t row, const std::vector<Feature>& features) = 0;
};

} // namespace mastermap
