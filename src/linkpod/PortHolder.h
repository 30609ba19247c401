#pragma once

#include <QString>

namespace linkpod {

// Who keeps a serial device busy, so that a port that will not open can be
// explained by naming the program: the owner of the device's lock file, or
// a process of this user with the device open. Empty when nobody is found
// (processes of other users cannot be looked into).
class PortHolder {
public:
    static QString Of(const QString& devicePath);

    // The name of process `pid` ("gpsd"), empty when it is gone.
    static QString ProcessName(qint64 pid);
    // The process named in a lock file (the first word is its id), or empty.
    static QString FromLockFile(const QString& lockPath);
};

} // namespace linkpod
