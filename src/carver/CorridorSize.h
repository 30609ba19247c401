#pragma once

#include <cstdint>

namespace carver {

// A route corridor's width as maps are drawn and built with it, and the size
// of the blocks a built map is cut into: whole blocks of 24000 units that
// hold the corridor. The window and the command-line build both take their
// sizes from here, so a workspace gives the same map either way.
struct CorridorSize {
    static constexpr std::int32_t MinWidth = 1000;
    // Wider corridors would cover the world many times over and overflow
    // the block arithmetic.
    static constexpr std::int32_t MaxWidth = 100000000;
    static constexpr std::int32_t BlockUnit = 24000;

    std::int32_t width;
    std::int32_t blockSize;

    static CorridorSize For(std::int64_t requested);
};

} // namespace carver
