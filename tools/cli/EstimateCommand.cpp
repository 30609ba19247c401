#include "EstimateCommand.h"

#include "WorkspaceMapJob.h"

namespace cli {

int RunEstimate(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    return WorkspaceMapJob::RunCommand(arguments, true, out, err);
}

} // namespace cli
