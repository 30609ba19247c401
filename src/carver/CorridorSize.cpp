#include "carver/CorridorSize.h"

#include <algorithm>

namespace carver {

CorridorSize CorridorSize::For(std::int64_t requested) {
    const auto width = static_cast<std::int32_t>(std::clamp<std::int64_t>(requested, MinWidth, MaxWidth));
    return {width, std::max(BlockUnit, (width + BlockUnit - 1) / BlockUnit * BlockUnit)};
}

} // namespace carver
