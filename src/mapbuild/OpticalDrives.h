#pragma once

#include <QStringList>

namespace mapbuild {

// The mounted volumes that can hold the master map disc: optical discs and
// removable media, in mount order. Each entry is the volume's root folder.
class OpticalDrives {
public:
    virtual ~OpticalDrives() = default;
    virtual QStringList Roots() const = 0;
};

// The volumes mounted on this machine: an optical file system or device, or
// a volume that the desktop mounted for removable media.
class MountedOpticalDrives : public OpticalDrives {
public:
    QStringList Roots() const override;
};

} // namespace mapbuild
