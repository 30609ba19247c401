#include "CommandRunner.h"

namespace cli {

int RunCommand(const CliCommand& command, RunFunction run, const QStringList& arguments, QTextStream& out,
               QTextStream& err) {
    try {
        return run(arguments, out, err);
    } catch (const UsageError& error) {
        err << "terrafold-cli " << command.name << ": " << error.what() << "\nusage:\n"
            << command.usage << '\n';
        return ExitUsage;
    }
}

} // namespace cli
