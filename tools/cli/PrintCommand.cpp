#include "PrintCommand.h"

#include "DataSetSession.h"
#include "FileArguments.h"
#include "WorkspaceSession.h"

#include "app/ProgramFolders.h"
#include "gpsdata/GPSData.h"
#include "mapbuild/MasterCategories.h"
#include "mapview/CarverBorderEngine.h"
#include "mapview/MasterMapLayer.h"
#include "mapview/WindowObject.h"
#include "print/MapPage.h"
#include "print/PdfFile.h"
#include "print/PrintJob.h"

#include <QDir>
#include <QPdfWriter>

#include <optional>

namespace cli {
namespace {

using print::PrintOptions;

const QStringList Kinds = {"waypoints", "routes", "icons", "map"};

int PageNumber(const CliArguments& options, const QString& option, int otherwise) {
    if (!options.Has(option))
        return otherwise;
    bool ok = false;
    const int page = options.Value(option).toInt(&ok);
    if (!ok || page < 1)
        throw UsageError(option.toStdString() + " needs a page number from 1");
    return page;
}

QList<qint16> Items(const QString& text) {
    QList<qint16> items;
    for (const QString& part : text.split(',')) {
        bool ok = false;
        const int index = part.trimmed().toInt(&ok);
        if (!ok || index < 0 || index > 32767)
            throw UsageError("--items takes indexes from 0 to 32767 separated by commas, not '" +
                             part.toStdString() + "'");
        items << qint16(index);
    }
    return items;
}

// Every index of the kind, or the chosen ones when each of them is there.
QList<qint16> Chosen(const gpsdata::GPSData& d, PrintOptions::What what, const CliArguments& options,
                     QString& missing) {
    const QList<qint16> all = what == PrintOptions::What::Waypoints ? d.Waypoints().Keys()
                              : what == PrintOptions::What::Routes  ? d.Routes().Keys()
                                                                    : d.Icons().Keys();
    if (!options.Has("--items"))
        return all;
    const QList<qint16> items = Items(options.Value("--items"));
    for (qint16 index : items)
        if (!all.contains(index))
            missing = QString::number(index);
    return items;
}

// The map window this tool does not have: the installation's default view,
// or the workspace's, in a view the size of the program's first map window,
// over the master map with the workspace's layers.
class MapSource {
public:
    static constexpr QSizeF ViewSize{672, 480};

    // False, after a message, when the workspace or a master map folder the
    // user named cannot be read. Without the installed master map the page
    // still shows the borders and the GPS data, as the map window does.
    bool Open(const QString& workspace, const QString& masterFolder, bool folderNamed, QTextStream& err) {
        if (!master_.Open(masterFolder)) {
            err << "terrafold-cli print: no master map in " << masterFolder
                << " (it needs MasterDefinitionLibrary.dat)\n";
            if (folderNamed)
                return false;
        }
        session_.map.SetCategorySource(&categories_);
        session_.file.LoadMapFile(QDir(app::ProgramFolders::InstalledDataFolder()).filePath("default.ini"));
        session_.map.SetFileName(QString());
        if (!workspace.isEmpty()) {
            if (!session_.file.LoadMapFile(workspace)) {
                err << "terrafold-cli print: cannot read the workspace " << workspace << '\n';
                return false;
            }
            session_.map.SetFileName(workspace);
        }
        const app::ProgramSettings& s = session_.settings;
        view_.MapPicture.Width = ViewSize.width();
        view_.MapPicture.Height = ViewSize.height();
        view_.MidX = s.midX;
        view_.MidY = s.midY;
        view_.SetCorridorWidth(s.corridorWidth);
        view_.SetZoomRange(s.zoomRange);
        return true;
    }

    print::MapPage Page(const gpsdata::GPSData& data) {
        return print::MapPage(
            view_, {[this](QPainter& p, const mapview::WindowObject& view) { master_.Draw(p, view); },
                    &session_.carver, &data});
    }
    // The workspace's name; none without a workspace.
    QString MapName() const { return session_.map.FileName().isEmpty() ? QString() : session_.map.MapName(); }

private:
    mapview::MasterMapLayer master_;
    mapbuild::MasterCategories categories_{master_.Control()};
    WorkspaceSession session_;
    mapview::CarverBorderEngine engine_{session_.carver};
    mapview::WindowObject view_{engine_};
};

PrintOptions Options(const CliArguments& options) {
    if (!options.Has("--what") || !options.Has("-o"))
        throw UsageError("give --what and -o OUT.pdf");
    const qsizetype kind = Kinds.indexOf(options.Value("--what"));
    if (kind < 0)
        throw UsageError("--what is one of waypoints, routes, icons, map");
    PrintOptions o;
    o.what = PrintOptions::What(kind);
    o.range.first = PageNumber(options, "--from", o.range.first);
    o.range.last = PageNumber(options, "--to", o.range.last);
    if (o.range.first > o.range.last)
        throw UsageError("--from is after --to");
    o.drawBorders = options.Has("--borders");
    o.expandMap = options.Has("--expand");
    return o;
}

} // namespace

int RunPrint(const QStringList& list, QTextStream& out, QTextStream& err) {
    const FileArguments arguments(list, 1,
                                  {{"--what", 1},
                                   {"--items", 1},
                                   {"--from", 1},
                                   {"--to", 1},
                                   {"--workspace", 1},
                                   {"--res", 1},
                                   {"--borders", 0},
                                   {"--expand", 0},
                                   {"-o", 1}});
    PrintOptions options = Options(arguments.Options());
    DataSetSession session;
    if (!session.Open(arguments.Files()[0], err, "print"))
        return ExitFailure;
    session.PrintMessages(err, "print");
    if (!session.Complete())
        return ExitFailure;
    MapSource map;
    std::optional<print::MapPage> page;
    if (options.what == PrintOptions::What::Map) {
        const bool named = arguments.Options().Has("--res");
        const QString res =
            named ? arguments.Options().Value("--res") : app::ProgramFolders::MasterMapFolder();
        if (!map.Open(arguments.Options().Value("--workspace"), res, named, err))
            return ExitFailure;
        page.emplace(map.Page(session.Data()));
    } else {
        QString missing;
        options.items = Chosen(session.Data(), options.what, arguments.Options(), missing);
        if (!missing.isEmpty()) {
            err << "terrafold-cli print: " << arguments.Files()[0] << " has no "
                << arguments.Options().Value("--what") << " with index " << missing << '\n';
            return ExitFailure;
        }
    }
    print::PrintJob job(session.Data(), options);
    job.SetMap(page ? &*page : nullptr, map.MapName());
    const int pages = job.PageCount();
    if (options.range.first > pages) {
        err << "terrafold-cli print: the print has " << pages << (pages == 1 ? " page" : " pages")
            << ", so there is no page " << options.range.first << '\n';
        return ExitFailure;
    }
    int sheets = 0;
    const QString output = arguments.Options().Value("-o");
    const QString failure = print::PdfFile::Write(output, [&](QPdfWriter& writer) {
        sheets = job.Print(writer).sheets;
        return QString();
    });
    if (!failure.isEmpty()) {
        err << "terrafold-cli print: cannot write " << output << ": " << failure << '\n';
        return ExitFailure;
    }
    out << sheets << " pages\n";
    return ExitOk;
}

} // namespace cli
