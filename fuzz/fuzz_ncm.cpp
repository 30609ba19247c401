// Feeds any bytes to the custom map file reader: open and a walk of every
// block and feature.
#include "mastermap/NcmReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mastermap::NcmReader r;
    if (!r.OpenBytes({reinterpret_cast<const char*>(data), size}).isEmpty())
        return 0;
    std::size_t n = 0;
    r.ForEach([&](std::int32_t, std::int32_t, const mastermap::Feature& f) { n += f.points.size(); });
    return n == 0xFFFFFFFF;
}
