#include "app/HelpLauncher.h"

#include <QFileInfo>

namespace app {

QString HelpLauncher::HelpFile(const QString& installFolder) {
    return installFolder + QStringLiteral("/Help/Main Frame.htm");
}

QString HelpLauncher::Open(const QString& file, const Opener& open) {
    if (!QFileInfo(file).isFile())
        return QStringLiteral("Help file not found.\nYou need to reinstall the application.");
    if (!open(QUrl::fromLocalFile(file)))
        return QStringLiteral("You must install a default html browser to view the help files.");
    return {};
}

} // namespace app
