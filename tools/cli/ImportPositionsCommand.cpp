#include "ImportPositionsCommand.h"

#include "DataSetSession.h"
#include "ErrorStreamPrompt.h"
#include "FileArguments.h"

#include "files/PositionListImport.h"

namespace cli {
int RunImportPositions(const QStringList& list, QTextStream& out, QTextStream& err) {
    const FileArguments arguments(list, 1, {{"--route", 0}, {"--waypoints", 0}, {"--into", 1}, {"-o", 1}});
    const CliArguments& options = arguments.Options();
    if (options.Has("--route") == options.Has("--waypoints") || !options.Has("-o"))
        throw UsageError("give --route or --waypoints, and -o OUT");
    DataSetSession session;
    if (options.Has("--into")) {
        if (!session.Open(options.Value("--into"), err, "import-positions"))
            return ExitFailure;
        session.PrintMessages(err, "import-positions");
        if (!session.Complete())
            return ExitFailure;
    }
    ErrorStreamPrompt prompt(err, "import-positions");
    const auto result = files::PositionListImport(session.Data(), prompt)
                            .Import(arguments.Files()[0], options.Has("--route"));
    if (result != files::PositionListImport::Result::Imported)
        return ExitFailure;
    return session.Save(options.Value("-o"), err, "import-positions") ? ExitOk : ExitFailure;
}

} // namespace cli
