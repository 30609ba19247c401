#pragma once

#include <cstdint>

namespace files {

// Section types of the file's directory. The numbers are fixed by the format.
enum SectionType : std::int32_t {
    EndOfDirectory = -1,
    ProductSectionType = 1,
    OlderWaypointSectionType = 2,
    RouteSectionType = 4,
    IconSectionType = 5,
    OlderTrailSectionType = 6,
    WaypointSectionType = 9,
    TrailSectionType = 10,
};

// What a section reader returns. The numbers index the data set's file error
// texts; the results from 100 on are ours and have texts of their own.
enum SectionResult : int {
    SectionRead = 0,
    UnexpectedEnd = 1,
    WaypointsFailed = 2,
    RoutesFailed = 3,
    IconsFailed = 4,
    TrailsFailed = 5,
    ProductFailed = 9,
    DirectoryLoop = 100,
    NegativeLimit = 101,
};

} // namespace files
