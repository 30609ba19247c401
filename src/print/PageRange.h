#pragma once

#include <limits>

namespace print {

// The pages to send, counted from 1; every page by default.
struct PageRange {
    int first = 1;
    int last = std::numeric_limits<int>::max();

    bool Contains(int page) const { return first <= page && page <= last; }
};

} // namespace print
