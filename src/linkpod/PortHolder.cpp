#include "linkpod/PortHolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace linkpod {

namespace {
constexpr qint64 LockFileLimit = 128; // a lock file holds a process id and little else
} // namespace

QString PortHolder::ProcessName(qint64 pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (pid <= 0 || !comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.read(LockFileLimit)).trimmed();
}

QString PortHolder::FromLockFile(const QString& lockPath) {
    QFile lock(lockPath);
    if (!lock.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(lock.read(LockFileLimit)).simplified();
    bool ok = false;
    const qint64 pid = text.section(u' ', 0, 0).toLongLong(&ok);
    return ok ? ProcessName(pid) : QString();
}

QString PortHolder::Of(const QString& devicePath) {
    const QFileInfo device(devicePath);
    const QString lockName = QStringLiteral("LCK..") + device.fileName();
    for (const QString& folder :
         {QStringLiteral("/var/lock"), QStringLiteral("/run/lock"), QDir::tempPath()}) {
        const QString name = FromLockFile(QDir(folder).filePath(lockName));
        if (!name.isEmpty())
            return name;
    }
    const QString target = device.canonicalFilePath();
    if (target.isEmpty())
        return {};
    const qint64 self = QCoreApplication::applicationPid();
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool number = false;
        const qint64 id = pid.toLongLong(&number);
        if (!number || id == self)
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
            if (fd.symLinkTarget() == target)
                return ProcessName(id);
    }
    return {};
}

} // namespace linkpod
