#pragma once

#include <QString>

namespace app {

// Where this user's files and the installation's read-only files live. Kept
// apart from the settings code so that small tools find them without linking
// the map builder.
class ProgramFolders {
public:
    static QString UserConfigFolder();
    static QString UserDataFolder();
    static QString InstalledDataFolder();
    // The low-detail master map: "res" beside the program in the build tree,
    // the installation's otherwise.
    static QString MasterMapFolder();
};

} // namespace app
