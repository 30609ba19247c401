// Feeds any bytes to the master map file reader: open, a whole-file query, a
// walk of every record and the category scan.
#include "mastermap/At5Reader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mastermap::At5Reader r;
    if (!r.OpenBytes({reinterpret_cast<const char*>(data), size}).isEmpty())
        return 0;
    std::size_t n = 0;
    r.Query({-2000000000, -2000000000, 2000000000, 2000000000},
            [&](const mastermap::Feature& f) { n += f.points.size(); });
    r.ForEach([&](const mastermap::Feature& f) { n += f.parts.size(); });
    r.CategoriesPresent();
    return n == 0xFFFFFFFF;
}
