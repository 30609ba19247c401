#include "mapbuild/SizeInMB.h"

#include <cmath>

namespace mapbuild {

QString SizeInMB(qint64 bytes) {
    const double hundredths = std::ceil(double(bytes) / 1048576.0 * 100.0);
    return QString::number(hundredths / 100.0, 'f', 2);
}

} // namespace mapbuild
