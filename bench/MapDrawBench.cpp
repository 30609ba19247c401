// Frame time of the map window's picture: a master map and the largest GPS
// data set drawn into a 1920x1080 image, for each view of a view list.
//   bench_mapdraw [MASTER_MAP_FOLDER [VIEW_LIST [PICTURE_FOLDER [ROUNDS [PIXEL_RATIO]]]]]
// The master map folder defaults to the build's bin/res; its files are taken
// in the order of its MasterList.txt. The view list defaults to
// bench/mapdraw-views.txt: one view a line, NAME WEST SOUTH EAST NORTH in
// degrees, the box fitted into the picture about its centre. With a picture
// folder, each view is saved there as NAME.png.
// For each view two figures are printed:
//   new view  a pan or a zoom away from the last frame, as when the user moves
//             the map: eight views around the named one (a quarter of the
//             picture's width away, or 1.5 times nearer or farther), each
//             drawn once a round; the median and the slowest of them;
//   repeated  the named view drawn again and again.
// The machine is shared, so every figure is the fastest of several rounds;
// run it pinned to one core (taskset -c 1) for the one-core figure. ROUNDS
// (5) set to 1 suits a profiler (valgrind --tool=callgrind). PIXEL_RATIO (1)
// draws for a screen of that many device pixels a point, as the map window
// does there (2: a 3840x2160 picture, its lines two device pixels wide).

#include "MaxDataSet.h"

#include "geo/GreatCircle.h"
#include "mapview/BorderEngine.h"
#include "mapview/GPSDataPainter.h"
#include "mapview/WindowObject.h"
#include "mastermap/MasterMapPainter.h"
#include "mastermap/MasterSet.h"
#include "mastermap/PlaceNameCache.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

// The border engine is not part of this measurement.
class NoBorderEngine : public mapview::BorderEngine {
public:
    void KSetRange(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                   std::int32_t) override {}
    void KSetSelectWidth(std::int32_t) override {}
    void KSetBlockSize(std::int32_t) override {}
    void KSetLayers(std::int32_t, std::int32_t) override {}
    void KSetCorridorWidth(std::int32_t) override {}
    void KSetBlockAttributes(std::int32_t, std::int32_t, std::int32_t, QRgb) override {}
    void KSetSelectAttributes(std::int32_t, std::int32_t, std::int32_t, std::int32_t, QRgb) override {}
    void KSetCorridorAttributes(std::int32_t, std::int32_t, std::int32_t, std::int32_t, QRgb) override {}
    void KSetNodeAttributes(std::int32_t, std::int32_t, std::int32_t, std::int32_t, QRgb) override {}
    void KSetConnectionAttributes(std::int32_t, std::int32_t, std::int32_t, std::int32_t, QRgb) override {}
};

mastermap::CategoryStyles StylesOf(const mapview::WindowObject& window) {
    mastermap::CategoryStyles styles;
    for (int c = 0; c < mastermap::CategoryCount; ++c) {
        const mapview::CategoryAttributes& a = window.CategoryToColors(c);
        styles[static_cast<std::size_t>(c)] = {a.LineColor, a.LineStyle, a.LinePattern, a.AreaColor,
                                               a.AreaStyle};
    }
    return styles;
}

struct View {
    QString name;
    double west, south, east, north;
};

std::vector<View> ReadViews(const QString& path) {
    QFile file(path);
    std::vector<View> views;
    if (!file.open(QIODevice::ReadOnly))
        return views;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QStringList w = line.trimmed().split(blanks, Qt::SkipEmptyParts);
        if (w.size() == 5 && !w[0].startsWith(u'#'))
            views.push_back({w[0], w[1].toDouble(), w[2].toDouble(), w[3].toDouble(), w[4].toDouble()});
    }
    return views;
}

// The folder's master map files in the order its list gives (the order they
// are drawn in), or every ".at5" file when it has no list.
QStringList MasterFiles(const QString& folder) {
    const QDir dir(folder);
    QStringList names = mastermap::MasterSet::ReadPathList(dir.filePath(QStringLiteral("MasterList.txt")));
    if (names.isEmpty())
        names = dir.entryList({QStringLiteral("*.at5")}, QDir::Files);
    QStringList files;
    for (const QString& name : names)
        files << dir.filePath(name);
    return files;
}

// Where a view lies: its centre and the width it shows, in internal units.
struct Placement {
    double x, y, width;
};

Placement PlacementOf(const View& v, double aspect) {
    const double x0 = geo::LongitudeToX(v.west), x1 = geo::LongitudeToX(v.east);
    const double y0 = geo::LatitudeToY(v.south), y1 = geo::LatitudeToY(v.north);
    return {(x0 + x1) / 2, (y0 + y1) / 2, std::max(x1 - x0, (y1 - y0) / aspect)};
}

void Show(mapview::WindowObject& window, const Placement& p) {
    window.Center(static_cast<std::int32_t>(std::lround(p.x)), static_cast<std::int32_t>(std::lround(p.y)));
    const double cosine = std::cos(geo::YToLatitude(window.MidY) * geo::DegToRad);
    window.SetZoomRange(p.width * cosine / geo::MetresPerMile);
}

// The eight new views around a view: a quarter of its width across, or 1.5
// times nearer or farther.
std::array<Placement, 8> Around(const Placement& p) {
    const double step = p.width / 4;
    return {{{p.x + step, p.y, p.width},
             {p.x + step, p.y + step, p.width},
             {p.x, p.y + step, p.width / 1.5},
             {p.x - step, p.y + step, p.width},
             {p.x - step, p.y, p.width * 1.5},
             {p.x - step, p.y - step, p.width},
             {p.x, p.y - step, p.width / 1.5},
             {p.x + step, p.y - step, p.width * 1.5}}};
}

// Unmeasured, a frame counts as endlessly slow (halved, so that its sum holds).
struct FrameTime {
    qint64 masterNs = std::numeric_limits<qint64>::max() / 2;
    qint64 dataNs = std::numeric_limits<qint64>::max() / 2;
    qint64 Total() const { return masterNs + dataNs; }
    void KeepFaster(const FrameTime& o) {
        if (o.Total() < Total())
            *this = o;
    }
};

class Frames {
public:
    Frames(const mastermap::MasterSet& master, mapview::WindowObject& window, const gpsdata::GPSData& data,
           double pixelRatio)
        : styles_(StylesOf(window)), painter_(master, styles_), window_(window), data_(data),
          image_(static_cast<int>(window.MapPicture.Width * pixelRatio),
                 static_cast<int>(window.MapPicture.Height * pixelRatio),
                 QImage::Format_ARGB32_Premultiplied) {
        image_.setDevicePixelRatio(pixelRatio);
        // Names stay laid out from frame to frame, as in the map window.
        painter_.SetNameCache(&names_);
    }

    FrameTime Draw() {
        image_.fill(Qt::white);
        QPainter painter(&image_);
        QElapsedTimer timer;
        timer.start();
        painter_.Draw(painter, {window_.ViewLeft, window_.ViewBottom, window_.ViewRight, window_.ViewTop},
                      window_.MapPicture.UserTransform());
        FrameTime t;
        t.masterNs = timer.nsecsElapsed();
        timer.restart();
        mapview::GPSDataPainter(window_, painter).Draw(data_);
        t.dataNs = timer.nsecsElapsed();
        return t;
    }
    const QImage& Image() const { return image_; }

private:
    const mastermap::CategoryStyles styles_;
    mastermap::PlaceNameCache names_;
    mastermap::MasterMapPainter painter_;
    mapview::WindowObject& window_;
    const gpsdata::GPSData& data_;
    QImage image_;
};

double Ms(qint64 ns) {
    return ns / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // An argument left empty takes its default.
    const auto argument = [&](int i, const QString& fallback) {
        return argc > i && argv[i][0] ? QString::fromLocal8Bit(argv[i]) : fallback;
    };
    const QString folder = argument(1, QStringLiteral(TF_BINARY_DIR "/bin/res"));
    const QString viewList = argument(2, QStringLiteral(TF_SOURCE_DIR "/bench/mapdraw-views.txt"));
    const QString pictures = argument(3, {});
    mastermap::MasterSet master;
    master.Open(MasterFiles(folder));
    std::printf("master map: %d files from %s%s\n", static_cast<int>(master.Files().size()),
                qPrintable(folder), master.Files().empty() ? " (none: GPS data only)" : "");
    const std::vector<View> views = ReadViews(viewList);
    if (views.empty()) {
        std::fprintf(stderr, "bench_mapdraw: no views in %s\n", qPrintable(viewList));
        return 1;
    }

    gpsdata::GPSData data;
    bench::FillMaxDataSet(data);
    std::printf("data set: %d waypoints, %d routes (%d route waypoints), %d icons, %d trails\n",
                data.CountWaypoints(), data.CountRoutes(), data.CountRouteWpts(), data.CountIcons(),
                data.CountTrails());

    NoBorderEngine engine;
    mapview::WindowObject window(engine);
    window.MapPicture.Width = 1920;
    window.MapPicture.Height = 1080;
    const double aspect = window.MapPicture.Height / window.MapPicture.Width;
    const double pixelRatio = std::clamp(argument(5, QStringLiteral("1")).toDouble(), 1.0, 4.0);
    Frames frames(master, window, data, pixelRatio);

    // The program's first frame renders the symbols and fonts later frames
    // reuse; it belongs to no view.
    Show(window, PlacementOf(views.front(), aspect));
    std::printf("program's first frame %.1f ms (symbols and fonts made once)\n", Ms(frames.Draw().Total()));

    const int Rounds = std::max(1, argument(4, QStringLiteral("5")).toInt());
    constexpr int Repeats = 10;
    std::printf(
        "1920x1080 at %g device pixels a point, fastest of %d rounds; aim: a frame below 16 ms on one core\n",
        pixelRatio, Rounds);
    std::printf("%-13s %9s | %-34s | %-26s\n", "view", "units/px", "new view: median (slowest) ms",
                "repeated ms");
    for (const View& view : views) {
        const Placement home = PlacementOf(view, aspect);
        const std::array<Placement, 8> around = Around(home);
        std::array<FrameTime, 8> fresh;
        FrameTime repeated;
        for (int round = 0; round < Rounds; ++round) {
            for (std::size_t i = 0; i < around.size(); ++i) {
                Show(window, around[i]);
                fresh[i].KeepFaster(frames.Draw());
            }
            Show(window, home);
            frames.Draw();
            FrameTime sum{0, 0};
            for (int k = 0; k < Repeats; ++k) {
                const FrameTime t = frames.Draw();
                sum.masterNs += t.masterNs;
                sum.dataNs += t.dataNs;
            }
            repeated.KeepFaster({sum.masterNs / Repeats, sum.dataNs / Repeats});
        }
        std::sort(fresh.begin(), fresh.end(),
                  [](const FrameTime& a, const FrameTime& b) { return a.Total() < b.Total(); });
        const FrameTime& median = fresh[fresh.size() / 2];
        const FrameTime& slowest = fresh.back();
        const bool met = slowest.Total() < 16e6;
        std::printf("%-13s %9.0f | %5.2f + %5.2f = %6.2f (%6.2f)%s | %5.2f + %5.2f = %6.2f\n",
                    qPrintable(view.name), home.width / window.MapPicture.Width, Ms(median.masterNs),
                    Ms(median.dataNs), Ms(median.Total()), Ms(slowest.Total()), met ? " met   " : " MISSED",
                    Ms(repeated.masterNs), Ms(repeated.dataNs), Ms(repeated.Total()));
        if (!pictures.isEmpty())
            frames.Image().save(QDir(pictures).filePath(QStringLiteral("%1.png").arg(view.name)));
    }
    std::printf("(each figure: master map + GPS data = frame)\n");
    return 0;
}
