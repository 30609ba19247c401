#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mastermap {

// A position in internal units (spherical Mercator metres).
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point&) const = default;
};

// An axis-aligned rectangle in internal units, edges included.
struct Rect {
    std::int32_t left = 0;
    std::int32_t bottom = 0;
    std::int32_t right = -1;
    std::int32_t top = -1;

    bool IsEmpty() const { return right < left || top < bottom; }
    bool Intersects(const Rect& o) const {
        return !IsEmpty() && !o.IsEmpty() && left <= o.right && o.left <= right && bottom <= o.top &&
               o.bottom <= top;
    }
    bool Contains(const Rect& o) const {
        return !o.IsEmpty() && left <= o.left && o.right <= right && bottom <= o.bottom && o.top <= top;
    }
    void Include(Point p);
    void Include(const Rect& o);
    bool operator==(const Rect&) const = default;
};

enum class FeatureKind : std::uint8_t { Point = 1, Line = 2, Area = 3 };

// Map categories index the 64-record category attribute table.
inline constexpr int CategoryCount = 64;

// One master map feature. `parts` holds the vertex count of each part (a line
// of a multi-line, a ring of an area); for areas OuterRing marks the rings that
// start a new polygon, the rings after it up to the next outer ring are its holes.
struct Feature {
    static constexpr std::uint32_t OuterRing = 0x80000000u;

    FeatureKind kind = FeatureKind::Point;
    std::uint8_t category = 0;
    std::vector<std::uint32_t> parts;
    std::vector<Point> points;
    // A place's name (UTF-8, empty for none) and rank (its population): the
    // map labels named places, the larger first.
    std::string name;
    std::uint32_t rank = 0;

    static std::uint32_t PartSize(std::uint32_t part) { return part & ~OuterRing; }
    Rect Bounds() const;
};

} // namespace mastermap
