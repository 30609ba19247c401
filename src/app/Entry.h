#pragma once

#include <QStringList>

namespace app {

class SingleInstance;

// The program's start: hand over to a running instance, or show the splash
// window, load the main window and open the file named on the command line.
class Entry {
public:
    // `arguments` without the program's own name. Returns the exit code.
    static int Run(const QStringList& arguments, SingleInstance& instance);
};

} // namespace app
