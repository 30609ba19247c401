#include "app/UnitUpdater.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace app {

QString UnitUpdater::CodeFolder(const QString& cdDrive) {
    return QDir(cdDrive).filePath(QStringLiteral("Code"));
}

QString UnitUpdater::Program(const QString& cdDrive, const QString& postfix) {
    return QDir(CodeFolder(cdDrive)).filePath(QStringLiteral("Update") + postfix + QStringLiteral(".exe"));
}

QString UnitUpdater::Start(const QString& cdDrive, const QString& postfix, const Starter& start) {
    if (cdDrive.isEmpty())
        return QStringLiteral("No installation CD was found.\nInsert the CD and try again.");
    const QString program = Program(cdDrive, postfix);
    if (!QFileInfo(program).isFile())
        return QStringLiteral("The unit software updater ") + program + QStringLiteral(" was not found.");
    if (!start(program, CodeFolder(cdDrive)))
        return QStringLiteral("The unit software updater could not be started.");
    return {};
}

bool UnitUpdater::StartDetached(const QString& program, const QString& folder) {
    return QProcess::startDetached(program, {}, folder);
}

} // namespace app
