#pragma once

#include <QString>

namespace app {

// The product text names the single-instance channel, so that any start of this
// product finds a running one.
inline QString ProductText() {
    return QStringLiteral("Terrafold by Norvane Electronics, Inc.");
}

inline QString InstanceTag() {
    return ProductText() + QStringLiteral("_APPLICATION");
}

} // namespace app
