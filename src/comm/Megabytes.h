#pragma once

#include <QString>

namespace comm {

// Sizes as the partition and card lists show them: megabytes with two decimals.
inline QString Megabytes(double bytes) {
    return QString::number(bytes / 1048576.0, 'f', 2);
}

} // namespace comm
