#include "mapbuild/OpticalDrives.h"

#include <QStorageInfo>

namespace mapbuild {

namespace {

bool HoldsDisc(const QStorageInfo& volume) {
    const QByteArray type = volume.fileSystemType().toLower();
    const QString root = volume.rootPath();
    return type == "iso9660" || type == "udf" || volume.device().startsWith("/dev/sr") ||
           root.startsWith(QStringLiteral("/media/")) || root.startsWith(QStringLiteral("/run/media/"));
}

} // namespace

QStringList MountedOpticalDrives::Roots() const {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && HoldsDisc(volume) && roots.size() < 26)
            roots << volume.rootPath();
    return roots;
}

} // namespace mapbuild
