#include "WorkspaceMapJob.h"

#include "CliCommand.h"
#include "StreamProgress.h"

#include "app/ProgramFolders.h"
#include "carver/CorridorSize.h"
#include "mapbuild/SizeInMB.h"

#include <QDir>
#include <QFileInfo>

namespace cli {

QString WorkspaceMapJob::Load(const QString& workspace, const QString& resFolder) {
    if (!temp_.isValid())
        return QStringLiteral("Error creating temporary file.");
    mapbuild::MapData& map = session_.map;
    if (QString error =
            control_.ReadLibrary(QDir(resFolder).filePath(QStringLiteral("MasterDefinitionLibrary.dat")));
        !error.isEmpty())
        return error;
    map.SetCategorySource(&categories_);
    map.SetPrompt(&session_.prompt);
    map.SetFileName(workspace);
    if (!session_.file.LoadMapFile(workspace))
        return QStringLiteral("%1: Error loading file.").arg(workspace);
    detail_ = std::make_unique<mapbuild::FixedDetail>(session_.settings.useHighDetailMaps);
    map.SetDetail(detail_.get());
    map.SetListFolder(temp_.path());
    map.SetMasterAt5ListPath(resFolder);
    // The map window hands its corridor to the engine the same way.
    const auto corridor = carver::CorridorSize::For(session_.settings.corridorWidth);
    session_.carver.KSetCorridorWidth(corridor.width);
    session_.carver.KSetBlockSize(corridor.blockSize);
    session_.prompt.texts.clear();
    return {};
}

qint32 WorkspaceMapJob::Estimate() {
    return session_.map.EstimateCartridge();
}

bool WorkspaceMapJob::Build(const QString& output) {
    if (!session_.map.CreateCartridge())
        return false;
    saveError_ = session_.map.SaveCartridge(output);
    if (!saveError_.isEmpty())
        saveError_ = QStringLiteral("Error saving ") + output + QStringLiteral(": ") + saveError_;
    return saveError_.isEmpty();
}

QString WorkspaceMapJob::Reason() const {
    if (!saveError_.isEmpty())
        return saveError_;
    return session_.prompt.texts.isEmpty() ? QStringLiteral("no map was built")
                                           : session_.prompt.texts.last();
}

int WorkspaceMapJob::RunCommand(const QStringList& arguments, bool estimate, QTextStream& out,
                                QTextStream& err) {
    QString workspace, output;
    QString res = app::ProgramFolders::MasterMapFolder();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if ((a == u"-o" && !estimate) || a == u"--res") {
            if (++i == arguments.size())
                throw UsageError(a.toStdString() + " needs a value");
            (a == u"-o" ? output : res) = arguments[i];
        } else if (workspace.isEmpty() && !a.startsWith(u'-')) {
            workspace = a;
        } else {
            throw UsageError("unexpected argument '" + a.toStdString() + "'");
        }
    }
    if (workspace.isEmpty() || (!estimate && output.isEmpty()))
        throw UsageError(estimate ? "needs a workspace file" : "needs a workspace file and -o OUT.ncm");
    const char* name = estimate ? "estimate" : "build-map";
    WorkspaceMapJob job;
    if (const QString error = job.Load(workspace, res); !error.isEmpty()) {
        err << "terrafold-cli " << name << ": " << error << '\n';
        return ExitFailure;
    }
    StreamProgress progress(err);
    job.SetProgress(&progress);
    const qint64 size = estimate ? job.Estimate() : (job.Build(output) ? QFileInfo(output).size() : 0);
    if (size <= 0) {
        err << "terrafold-cli " << name << ": " << job.Reason() << '\n';
        return ExitFailure;
    }
    if (estimate)
        out << "This custom map will take approximately " << mapbuild::SizeInMB(size)
            << " MB of cartridge space. (" << size << " bytes)\n";
    else
        out << "The size of your custom map is " << mapbuild::SizeInMB(size) << "  MB. (" << size
            << " bytes, " << output << ")\n";
    return ExitOk;
}

} // namespace cli
