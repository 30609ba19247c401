#pragma once

namespace cli {

// Loads the tool module and hands it the whole command line. Called before
// any application object exists, since the module makes the one its command
// needs (a graphical one for printing).
int RunInToolModule(int argc, char* argv[]);

} // namespace cli
