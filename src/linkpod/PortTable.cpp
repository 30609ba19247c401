#include "linkpod/PortTable.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace linkpod {

namespace {

QString Env(const char* prefix, int port) {
    return qEnvironmentVariable(
        QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(port).toLatin1().constData());
}

} // namespace

QString PortTable::ComDevice(int port) const {
    if (port < 1 || port > ComPorts)
        return {};
    const QString env = Env("TERRAFOLD_COM", port);
    if (!env.isEmpty())
        return env;
    if (!com_[port - 1].isEmpty())
        return com_[port - 1];
    return DefaultComDevice(port);
}

QString PortTable::DefaultComDevice(int port) {
    return QStringLiteral("/dev/ttyUSB%1").arg(port - 1);
}

QString PortTable::ChosenComDevice(int port) const {
    return port >= 1 && port <= ComPorts ? com_[port - 1] : QString();
}

QString PortTable::ChosenReaderFolder(int port) const {
    return port >= 1 && port <= ParallelPorts ? lpt_[port - 1] : QString();
}

void PortTable::SetComDevice(int port, const QString& path) {
    if (port >= 1 && port <= ComPorts)
        com_[port - 1] = path;
}

QString PortTable::ReaderFolder(int port) const {
    if (port < 1 || port > ParallelPorts)
        return {};
    const QString env = Env("TERRAFOLD_LPT", port);
    if (!env.isEmpty())
        return env;
    if (!lpt_[port - 1].isEmpty())
        return lpt_[port - 1];
    return DefaultReaderFolder(port);
}

QString PortTable::DefaultReaderFolder(int port) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath(QStringLiteral("terrafold/cards/LPT%1").arg(port));
}

bool PortTable::ReaderFolderChosen(int port) const {
    return port >= 1 && port <= ParallelPorts &&
           (!Env("TERRAFOLD_LPT", port).isEmpty() || !lpt_[port - 1].isEmpty());
}

void PortTable::SetReaderFolder(int port, const QString& path) {
    if (port >= 1 && port <= ParallelPorts)
        lpt_[port - 1] = path;
}

void PortTable::Load(const QSettings& settings) {
    for (int i = 1; i <= ComPorts; ++i) {
        const QString v = settings.value(QStringLiteral("Ports/COM%1").arg(i)).toString();
        if (!v.isEmpty())
            SetComDevice(i, v);
    }
    for (int i = 1; i <= ParallelPorts; ++i) {
        const QString v = settings.value(QStringLiteral("Ports/LPT%1").arg(i)).toString();
        if (!v.isEmpty())
            SetReaderFolder(i, v);
    }
}

void PortTable::Save(QSettings& settings) const {
    for (int i = 1; i <= ComPorts; ++i)
        if (!com_[i - 1].isEmpty())
            settings.setValue(QStringLiteral("Ports/COM%1").arg(i), com_[i - 1]);
    for (int i = 1; i <= ParallelPorts; ++i)
        if (!lpt_[i - 1].isEmpty())
            settings.setValue(QStringLiteral("Ports/LPT%1").arg(i), lpt_[i - 1]);
}

} // namespace linkpod
