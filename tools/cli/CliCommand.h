#pragma once

#include <QStringList>
#include <QTextStream>

#include <stdexcept>

namespace cli {

// Exit codes shared by every command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

// Thrown by a command whose arguments do not fit its usage; the dispatcher prints the
// message and the command's usage and exits with ExitUsage.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs one command; its arguments exclude the command name.
using RunFunction = int (*)(const QStringList& arguments, QTextStream& out, QTextStream& err);

// One command of terrafold-cli. usage holds one indented line per form of the
// command and any notes after them.
struct CliCommand {
    const char* name;
    const char* summary;
    const char* usage;
    // Null for the commands that live in the tool module: those that need
    // the map builder, the serial line or a painter. The program loads that
    // module only for them, so the data-set commands start with QtCore and
    // the file libraries alone.
    RunFunction run;
    // Commands that draw pages need fonts, and so a graphical application (it
    // never shows a window).
    bool paints = false;
};

} // namespace cli
