// terrafold-cli: Terrafold's command-line tools for users and scripts.

#include "CliCommands.h"
#include "CommandRunner.h"
#include "ToolModule.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

using cli::CliCommand;

const CliCommand* FindCommand(const QString& name) {
    for (const CliCommand& command : cli::CliCommands()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

void WriteHelp(QTextStream& out) {
    out << "usage: terrafold-cli COMMAND [ARGUMENTS]\n"
        << "       terrafold-cli help [COMMAND]\n\ncommands:\n";
    // The summaries line up after the longest name.
    qsizetype width = 0;
    for (const CliCommand& command : cli::CliCommands())
        width = std::max(width, qsizetype(qstrlen(command.name)));
    for (const CliCommand& command : cli::CliCommands())
        out << "  " << QString::fromLatin1(command.name).leftJustified(width + 2) << command.summary << '\n';
}

int Help(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty()) {
        WriteHelp(out);
        return cli::ExitOk;
    }
    if (const CliCommand* command = FindCommand(arguments[0]); command && arguments.size() == 1) {
        out << "usage:\n" << command->usage << '\n';
        return cli::ExitOk;
    }
    WriteHelp(err);
    return cli::ExitUsage;
}

int Dispatch(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty()) {
        WriteHelp(err);
        return cli::ExitUsage;
    }
    const QString& name = arguments[0];
    if (name == u"help" || name == u"--help" || name == u"-h")
        return Help(arguments.mid(1), out, err);
    const CliCommand* command = FindCommand(name);
    if (!command) {
        err << "terrafold-cli: unknown command '" << name << "'\n\n";
        WriteHelp(err);
        return cli::ExitUsage;
    }
    return cli::RunCommand(*command, command->run, arguments.mid(1), out, err);
}

} // namespace

int main(int argc, char* argv[]) {
    const CliCommand* command = argc > 1 ? FindCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (command && !command->run)
        return cli::RunInToolModule(argc, argv);
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return Dispatch(QCoreApplication::arguments().mid(1), out, err);
}
