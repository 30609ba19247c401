#pragma once

#include <QString>

#include <functional>

namespace app {

// The system's storage service, as far as taking a medium out of its drive
// goes. Unmounting and ejecting may take a while (the medium is flushed
// first), so they answer through a callback: an empty text when done, the
// reason otherwise.
class RemovableDrives {
public:
    struct Medium {
        QString filesystem; // the service's name for the mounted filesystem; empty when unknown to it
        QString drive;      // the drive that holds it
        bool removable = false;
        bool ejectable = false;   // the medium comes out of the drive
        bool canPowerOff = false; // the whole drive is unplugged
    };
    using Done = std::function<void(const QString& error)>;

    virtual ~RemovableDrives() = default;

    // False when the system has no such service.
    virtual bool Available() = 0;
    // The filesystem on `device` (a name such as "/dev/sdb1") and its drive.
    virtual Medium Find(const QString& device) = 0;
    virtual void Unmount(const QString& filesystem, Done done) = 0;
    virtual void Eject(const QString& drive, Done done) = 0;
    virtual void PowerOff(const QString& drive, Done done) = 0;
};

} // namespace app
