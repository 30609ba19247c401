#include "ToolModule.h"

#include "CliCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>

namespace cli {
namespace {

constexpr char ModuleName[] = "terrafold-cli-tools.so";

// Beside the program in a build tree, under the prefix's lib folder once
// installed. No application object exists yet, so the program's own path
// comes from the kernel.
QString ModulePath() {
    const QDir bin = QFileInfo(QFile::symLinkTarget("/proc/self/exe")).dir();
    const QString beside = bin.filePath(ModuleName);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(bin.filePath(QStringLiteral(TF_CLI_TOOLS_FROM_BIN "/") + ModuleName));
}

} // namespace

int RunInToolModule(int argc, char* argv[]) {
    using ToolMain = int (*)(int, char**);
    QLibrary module(ModulePath());
    const auto main = reinterpret_cast<ToolMain>(module.resolve("terrafold_cli_tool_main"));
    if (!main) {
        std::fprintf(stderr, "terrafold-cli: cannot load its tool module: %s\n",
                     qPrintable(module.errorString()));
        return ExitFailure;
    }
    return main(argc, argv);
}

} // namespace cli
