#include "app/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace app {

QString ProgramFolders::UserConfigFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath("terrafold");
}

QString ProgramFolders::UserDataFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath("terrafold");
}

// Next to the program first (a build or an unpacked copy), then the install
// prefix's share folder.
QString ProgramFolders::InstalledDataFolder() {
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {bin.filePath("../share/terrafold"), bin.filePath("../../share"),
          QStringLiteral(TF_DATA_DIR_INSTALLED), QStringLiteral("/usr/local/share/terrafold"),
          QStringLiteral("/usr/share/terrafold")})
        if (QFileInfo::exists(QDir(candidate).filePath("default.ini")))
            return QDir::cleanPath(candidate);
    return bin.filePath("../share/terrafold");
}

QString ProgramFolders::MasterMapFolder() {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/res");
    return QFileInfo(beside).isDir() ? beside : InstalledDataFolder() + QStringLiteral("/res");
}

} // namespace app
