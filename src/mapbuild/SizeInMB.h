#pragma once

#include <QString>

namespace mapbuild {

// Bytes as the megabytes the estimate, the build and the status bar show:
// rounded up to the hundredth, two decimals ("0.01" for one byte).
QString SizeInMB(qint64 bytes);

} // namespace mapbuild
