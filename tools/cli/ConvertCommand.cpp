#include "ConvertCommand.h"

#include "DataSetSession.h"
#include "FileArguments.h"

namespace cli {

int RunConvert(const QStringList& list, QTextStream& out, QTextStream& err) {
    const FileArguments arguments(list, 2, {});
    DataSetSession session;
    if (!session.Open(arguments.Files()[0], err, "convert"))
        return ExitFailure;
    session.PrintMessages(err, "convert");
    if (!session.Complete()) {
        err << "terrafold-cli convert: " << arguments.Files()[0]
            << " did not load completely; nothing written\n";
        return ExitFailure;
    }
    return session.Save(arguments.Files()[1], err, "convert") ? ExitOk : ExitFailure;
}

} // namespace cli
