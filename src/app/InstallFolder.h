#pragma once

#include <QString>

namespace app {

// The folder of the program's read-only files ("Help", "res", "default.ini"):
// share/terrafold beside the program's own folder (a build tree or an
// installation), else the installed data folder.
QString InstallFolder();

} // namespace app
