#pragma once

#include "mastermap/Feature.h"

#include <cstdint>
#include <vector>

// Simplifies the lines and area rings of a master map file (Douglas-Peucker)
// so that neighbours stay neighbours: a border that two areas share is
// simplified once, between the same ends, and comes out the same in both, so
// that no gap and no overlap opens between them. Ends are the junctions:
// vertices where parts meet or part (found once, for every tolerance), and
// the ends of lines. A ring meeting no other part is simplified from its
// lowest vertex, so that two copies of one ring (a lake and the hole the lake
// makes in the land) come out the same.
class SharedEdgeSimplifier {
public:
    explicit SharedEdgeSimplifier(const std::vector<mastermap::Feature>& features);

    // The features with no vertex moved by more than `tolerance` internal
    // units. Parts smaller than the tolerance each way, and rings left with
    // fewer than three corners, are left out (with an outer ring, its holes);
    // features left with no part too. Points are kept as they are.
    std::vector<mastermap::Feature> Simplified(double tolerance) const;

private:
    static std::uint64_t Key(mastermap::Point p);
    bool IsJunction(mastermap::Point p) const;
    // Appends the vertices of one part kept at `tolerance`.
    void SimplifyPart(const mastermap::Point* points, std::size_t size, bool ring, double tolerance,
                      std::vector<mastermap::Point>& out) const;

    const std::vector<mastermap::Feature>& features_;
    std::vector<std::uint64_t> junctions_; // sorted keys
};
