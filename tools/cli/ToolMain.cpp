// The entry of terrafold-cli's tool module: the commands that need the map
// builder, the serial line or a painter.

#include "CommandRunner.h"

#include "BordersCommand.h"
#include "BuildMapCommand.h"
#include "CardReaderCommand.h"
#include "DownloadCommand.h"
#include "EstimateCommand.h"
#include "MapInfoCommand.h"
#include "PrintCommand.h"
#include "RouteToBorderCommand.h"
#include "SendMapCommand.h"
#include "UploadCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <memory>

namespace {

struct Tool {
    const cli::CliCommand& command;
    cli::RunFunction run;
};

const Tool Tools[] = {
    {cli::BordersCommand, cli::RunBorders},       {cli::BuildMapCommand, cli::RunBuildMap},
    {cli::CardReaderCommand, cli::RunCardReader}, {cli::DownloadCommand, cli::RunDownload},
    {cli::EstimateCommand, cli::RunEstimate},     {cli::MapInfoCommand, cli::RunMapInfo},
    {cli::PrintCommand, cli::RunPrint},           {cli::RouteToBorderCommand, cli::RunRouteToBorder},
    {cli::SendMapCommand, cli::RunSendMap},       {cli::UploadCommand, cli::RunUpload},
};

} // namespace

extern "C" Q_DECL_EXPORT int terrafold_cli_tool_main(int argc, char* argv[]) {
    const Tool* tool = nullptr;
    for (const Tool& candidate : Tools)
        if (argc > 1 && std::strcmp(argv[1], candidate.command.name) == 0)
            tool = &candidate;
    if (!tool)
        return cli::ExitUsage;
    std::unique_ptr<QCoreApplication> application;
    if (tool->command.paints) {
        // Pages are drawn off screen, with or without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return cli::RunCommand(tool->command, tool->run, QCoreApplication::arguments().mid(2), out, err);
}
