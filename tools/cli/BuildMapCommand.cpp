#include "BuildMapCommand.h"

#include "WorkspaceMapJob.h"

namespace cli {

int RunBuildMap(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    return WorkspaceMapJob::RunCommand(arguments, false, out, err);
}

} // namespace cli
