// Feeds any text to the category library reader. Whatever it accepts must
// write out as text that reads back to the same library.
#include "mastermap/CategoryLibrary.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mastermap::CategoryLibrary library;
    if (!library.Parse(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)))
             .isEmpty())
        return 0;
    mastermap::CategoryLibrary again;
    if (!again.Parse(library.Text()).isEmpty() || again.Text() != library.Text())
        std::abort();
    return 0;
}
