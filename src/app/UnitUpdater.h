#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace app {

// Finds the unit software updater, "Update" + the connected unit's postfix +
// ".exe", in a "Code" folder (the installation's first, then the
// installation CD's) and hands it to the desktop, which opens it with
// whatever program the user has set up for it.
class UnitUpdater {
public:
    // Opens a file the way the desktop does; false when nothing took it.
    using Opener = std::function<bool(const QUrl&)>;

    static QString CodeFolder(const QString& root);
    static QString ProgramName(const QString& postfix);
    // The "Code" folders of `installFolder` and of `cdDrive`, where given.
    static QStringList SearchFolders(const QString& installFolder, const QString& cdDrive);
    // The first updater found in `folders`; empty when none is there.
    static QString Find(const QStringList& folders, const QString& postfix);

    // Empty on success, otherwise the message for the user: no updater was
    // found (naming where it was looked for), or nothing on the desktop
    // opens it.
    static QString Open(const QStringList& folders, const QString& postfix, const Opener& open);
};

} // namespace app
