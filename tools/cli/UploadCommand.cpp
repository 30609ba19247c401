#include "UploadCommand.h"

#include "DataSetSession.h"
#include "FileArguments.h"
#include "UnitTransfer.h"

namespace cli {

int RunUpload(const QStringList& list, QTextStream&, QTextStream& err) {
    const FileArguments arguments(list, 1,
                                  {{"--port", 1}, {"--baud", 1}, {"--kinds", 1}, {"--send-what-fits", 0}});
    const CliArguments& options = arguments.Options();
    if (!options.Has("--port"))
        throw UsageError("give --port DEV");
    const comm::TransferSelection kinds =
        UnitTransfer::Kinds(options.Has("--kinds") ? options.Value("--kinds") : UnitTransfer::AllKinds);
    const int baud = UnitSession::Baud(options.Value("--baud"));
    DataSetSession session;
    if (!session.Open(arguments.Files()[0], err, "upload"))
        return ExitFailure;
    session.PrintMessages(err, "upload");
    if (!session.Complete()) {
        err << "terrafold-cli upload: " << arguments.Files()[0] << " did not load completely; nothing sent\n";
        return ExitFailure;
    }
    UnitSession unit(session.Data(), err, "upload");
    return unit.Connect(options.Value("--port"), baud) &&
                   UnitTransfer(unit, session.Data()).Upload(kinds, options.Has("--send-what-fits"))
               ? ExitOk
               : ExitFailure;
}

} // namespace cli
