#pragma once

namespace files {

// How an open of a GPS data file ended. A refused file changed nothing (the
// data set keeps its data, path and changed flag); a damaged one replaced the
// data set with what could be read, which no file holds as it is now.
enum class OpenResult { Opened, Damaged, Refused };

} // namespace files
