#include "app/UnitUpdater.h"

#include <QDir>
#include <QFileInfo>

namespace app {

QString UnitUpdater::CodeFolder(const QString& root) {
    return QDir(root).filePath(QStringLiteral("Code"));
}

QString UnitUpdater::ProgramName(const QString& postfix) {
    return QStringLiteral("Update") + postfix + QStringLiteral(".exe");
}

QStringList UnitUpdater::SearchFolders(const QString& installFolder, const QString& cdDrive) {
    QStringList folders;
    for (const QString& root : {installFolder, cdDrive})
        if (!root.isEmpty())
            folders << CodeFolder(root);
    return folders;
}

QString UnitUpdater::Find(const QStringList& folders, const QString& postfix) {
    for (const QString& folder : folders) {
        const QString program = QDir(folder).filePath(ProgramName(postfix));
        if (QFileInfo(program).isFile())
            return program;
    }
    return {};
}

QString UnitUpdater::Open(const QStringList& folders, const QString& postfix, const Opener& open) {
    const QString program = Find(folders, postfix);
    if (program.isEmpty()) {
        QString where;
        for (const QString& folder : folders)
            where += QStringLiteral("\n") + QDir::toNativeSeparators(folder);
        return QStringLiteral("No unit software updater is installed: ") + ProgramName(postfix) +
               QStringLiteral(" was not found in") +
               (folders.isEmpty() ? QStringLiteral(" any folder.") : where) +
               QStringLiteral("\n\nInsert the installation CD (start the program with /d and its folder) or "
                              "reinstall the application, then try again.");
    }
    if (!open(QUrl::fromLocalFile(program)))
        return QStringLiteral("No program on this computer opens the unit software updater ") +
               QDir::toNativeSeparators(program) +
               QStringLiteral(".\nInstall one that runs it (for this updater, a Windows program loader such "
                              "as Wine) and try again.");
    return {};
}

} // namespace app
