#pragma once

#include <QList>
#include <QString>

namespace unitwindows {

// The serial ports of this machine as a user recognises them: the stable
// /dev/serial/by-id/ name when there is one (it survives a replug into
// another socket, when /dev/ttyUSB0 may become /dev/ttyUSB1), and the
// adapter's description.
class SerialPortList {
public:
    struct Entry {
        QString device;      // what the port table stores
        QString description; // "Prolific USB-Serial Controller (/dev/ttyUSB0)"
    };

    static constexpr const char* ByIdFolder = "/dev/serial/by-id";

    static QList<Entry> Available(const QString& byIdFolder = QLatin1String(ByIdFolder));
    // The link in `byIdFolder` that leads to `systemLocation`, or
    // `systemLocation` itself when none does.
    static QString StableName(const QString& systemLocation, const QString& byIdFolder);
};

} // namespace unitwindows
