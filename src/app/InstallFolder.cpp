#include "app/InstallFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace app {

QString InstallFolder() {
    const QString beside =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/terrafold"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QStringLiteral(TF_DATA_DIR_INSTALLED);
}

} // namespace app
