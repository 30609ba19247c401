#include "WorkspaceMapJob.h"

#include "CliCommand.h"

#include "mastermap/MasterMapControl.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace cli {

namespace {

constexpr qint64 MaxWorkspaceBytes = 16 << 20;
constexpr std::int32_t BlockUnit = 24000;

bool Flag(const QString& word) {
    const QString w = word.toLower();
    return w == u"true" || w == u"-1" || w == u"1";
}

} // namespace

QString WorkspaceMapJob::SizeInMB(std::uint64_t bytes) {
    const double hundredths = std::ceil(static_cast<double>(bytes) / 1048576.0 * 100.0);
    return QString::number(hundredths / 100.0, 'f', 2);
}

QString WorkspaceMapJob::ReadWorkspace(const QString& path, QStringList& layersOff) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
    if (file.size() > MaxWorkspaceBytes)
        return QStringLiteral("%1 is too large for a workspace file").arg(path);
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList lines = QString::fromLatin1(file.readAll()).split(u'\n');
    mastermap::Border* border = nullptr;
    std::int64_t pointsLeft = 0;
    std::int32_t corridor = 0;
    for (const QString& raw : lines) {
        const QStringList w = raw.trimmed().split(blanks, Qt::SkipEmptyParts);
        if (w.isEmpty())
            continue;
        if (w[0] == u"Point" && border && pointsLeft > 0 && w.size() >= 4) {
            border->vertices.push_back({static_cast<std::int32_t>(std::lround(w[2].toDouble())),
                                        static_cast<std::int32_t>(std::lround(w[3].toDouble()))});
            --pointsLeft;
        } else if (w[0] == u"Polygon" && w.size() >= 4) {
            request_.borders.push_back({w[2].toLower() == u"true", {}});
            border = &request_.borders.back();
            pointsLeft = std::clamp<std::int64_t>(w[3].toLongLong(), 0, lines.size());
        } else if (w[0] == u"CorridorWidth" && w.size() >= 2) {
            corridor = static_cast<std::int32_t>(std::clamp<qint64>(w[1].toLongLong(), 0, 100000000));
        } else if (w[0] == u"LayerOff" && w.size() >= 2) {
            layersOff << raw.trimmed().mid(9).trimmed().remove(u'(').remove(u')');
        } else if (w[0] == u"UseHighDetailMaps" && w.size() >= 2) {
            highDetail_ = Flag(w[1]);
        } else if (w[0] == u"HeaderText") {
            request_.headerText = raw.trimmed().mid(10).trimmed();
        }
    }
    request_.corridorWidth = std::max<std::int32_t>(corridor, 1000);
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
        out << "This custom map will take approximately " << SizeInMB(result.size)
            << " MB of cartridge space. (" << result.size << " bytes)\n";
    else
        out << "The size of your custom map is " << SizeInMB(result.size) << "  MB. (" << result.size
            << " bytes, " << output << ")\n";
    return ExitOk;
}

} // namespace cli
