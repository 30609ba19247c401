#include "WorkspaceMapJob.h"

#include "CliCommand.h"
#include "WorkspaceSession.h"

#include "mapbuild/SizeInMB.h"
#include "mastermap/MasterMapControl.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace cli {

namespace {

constexpr std::int32_t BlockUnit = 24000;

} // namespace

// The workspace is read by the program's own workspace file reader; the
// request takes its borders, corridor width, layers off and header text.
QString WorkspaceMapJob::ReadWorkspace(const QString& path, QStringList& layersOff) {
    WorkspaceSession session;
    if (!session.file.LoadMapFile(path))
        return QStringLiteral("%1: Error loading file.").arg(path);
    for (const carver::Border& b : session.carver.Borders()) {
        mastermap::Border border{b.closed, {}};
        for (const QPoint& p : b.vertices)
            border.vertices.push_back({p.x(), p.y()});
        request_.borders.push_back(std::move(border));
    }
    for (int i = 0; i < session.map.LayersOffCount(); ++i)
        layersOff << session.map.GetLayerOff(i).remove(u'(').remove(u')');
    highDetail_ = session.settings.useHighDetailMaps;
    request_.headerText = session.map.HeaderText();
    request_.corridorWidth = std::clamp<std::int32_t>(session.settings.corridorWidth, 1000, 100000000);
    request_.blockSize =
        std::max(BlockUnit, (request_.corridorWidth + BlockUnit - 1) / BlockUnit * BlockUnit);
    return {};
}

QString WorkspaceMapJob::WriteBuildList(const QString& resFolder) {
    QFile master(QDir(resFolder).filePath(QStringLiteral("MasterList.txt")));
    if (!master.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot open the master map list %1").arg(master.fileName());
    QFile list(temp_.filePath(QStringLiteral("BuildList.txt")));
    if (!list.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1").arg(list.fileName());
    for (const QString& line : QString::fromLocal8Bit(master.read(1 << 16)).split(u'\n')) {
        const QString name = line.trimmed();
        const int dot = name.indexOf(u'.');
        if (dot < 0 || name.mid(dot).compare(u".at5", Qt::CaseInsensitive) != 0)
            continue;
        if (mastermap::MasterSet::IsHighDetailName(name) && !highDetail_)
            continue;
        const QFileInfo file(QDir(resFolder).filePath(name));
        if (file.exists() && file.size() > 0)
            list.write(file.absoluteFilePath().toLocal8Bit() + "\n");
    }
    request_.buildList = list.fileName();
    return {};
}

QString WorkspaceMapJob::Load(const QString& workspace, const QString& resFolder) {
    if (!temp_.isValid())
        return QStringLiteral("Error creating temporary file.");
    QStringList layersOff;
    if (QString error = ReadWorkspace(workspace, layersOff); !error.isEmpty())
        return error;
    if (QString error = WriteBuildList(resFolder); !error.isEmpty())
        return error;
    request_.library = QDir(resFolder).filePath(QStringLiteral("MasterDefinitionLibrary.dat"));
    mastermap::MasterMapControl control;
    if (QString error = control.ReadLibrary(request_.library); !error.isEmpty())
        return error;
    control.SetUsedList(request_.buildList);
    for (const QString& key : layersOff)
        control.SetLayer(key, false);
    request_.layers = control.LayerSelection();
    return {};
}

mastermap::CartridgeMaker::Request WorkspaceMapJob::Request(const QString& output, bool estimate) const {
    mastermap::CartridgeMaker::Request r = request_;
    r.output = output;
    if (estimate && !r.layers.isEmpty())
        r.layers += QStringLiteral("Estimate;");
    return r;
}

int WorkspaceMapJob::RunCommand(const QStringList& arguments, bool estimate, QTextStream& out,
                                QTextStream& err) {
    QString workspace, output;
    QString res = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("res"));
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
    const auto request =
        job.Request(estimate ? job.TemporaryPath(QStringLiteral("estimate.dat")) : output, estimate);
    const auto result = mastermap::CartridgeMaker::Make(request, [&](std::int64_t done, std::int64_t total) {
        err << "\r" << name << ": " << done * 100 / std::max<std::int64_t>(total, 1) << "%";
        err.flush();
        return true;
    });
    err << '\n';
    if (result.status != 1) {
        err << "terrafold-cli " << name << ": " << result.error << '\n';
        return ExitFailure;
    }
    if (estimate)
        out << "This custom map will take approximately " << mapbuild::SizeInMB(qint64(result.size))
            << " MB of cartridge space. (" << result.size << " bytes)\n";
    else
        out << "The size of your custom map is " << mapbuild::SizeInMB(qint64(result.size)) << "  MB. ("
            << result.size << " bytes, " << output << ")\n";
    return ExitOk;
}

} // namespace cli
