#include "DownloadCommand.h"

#include "CliArguments.h"
#include "DataSetSession.h"
#include "UnitTransfer.h"

namespace cli {

int RunDownload(const QStringList& list, QTextStream&, QTextStream& err) {
    const CliArguments options(list, {{"--port", 1}, {"--baud", 1}, {"--kinds", 1}, {"-o", 1}});
    if (!options.HasExactly({"--port", "-o"}, {"--baud", "--kinds"}))
        throw UsageError("give --port DEV and -o FILE");
    const comm::TransferSelection kinds =
        UnitTransfer::Kinds(options.Has("--kinds") ? options.Value("--kinds") : UnitTransfer::AllKinds);
    const int baud = UnitSession::Baud(options.Value("--baud"));
    DataSetSession session;
    UnitSession unit(session.Data(), err, "download");
    if (!unit.Connect(options.Value("--port"), baud) || !UnitTransfer(unit, session.Data()).Download(kinds))
        return ExitFailure;
    return session.Save(options.Value("-o"), err, "download") ? ExitOk : ExitFailure;
}

} // namespace cli
