// Frame time of the map window's picture: the default master map and the
// largest GPS data set drawn into a 1920x1080 image at a state-wide, a
// county-wide and a city-wide zoom.
//   bench_mapdraw [MASTER_MAP_FOLDER [PICTURE_FOLDER]]
// The master map folder defaults to the build's bin/res; with a picture
// folder, the last frame of each zoom is saved there as a PNG file.
// The machine is shared, so each zoom is measured in several rounds and the
// fastest round is printed; run it pinned to one core (taskset -c 1) for the
// one-core figure.

#include "MaxDataSet.h"

#include "mapview/BorderEngine.h"
#include "mapview/GPSDataPainter.h"
#include "mapview/WindowObject.h"
#include "mastermap/MasterMapPainter.h"
#include "mastermap/MasterSet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <limits>

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

struct Zoom {
    const char* name;
    double miles;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TF_BINARY_DIR "/bin/res");
    mastermap::MasterSet master;
    QStringList files;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.at5")}, QDir::Files))
        files << QDir(folder).filePath(name);
    master.Open(files);
    std::printf("master map: %d files from %s%s\n", static_cast<int>(master.Files().size()),
                qPrintable(folder), master.Files().empty() ? " (none: GPS data only)" : "");

    gpsdata::GPSData data;
    bench::FillMaxDataSet(data);
    std::printf("data set: %d waypoints, %d routes (%d route waypoints), %d icons, %d trails\n",
                data.CountWaypoints(), data.CountRoutes(), data.CountRouteWpts(), data.CountIcons(),
                data.CountTrails());

    NoBorderEngine engine;
    mapview::WindowObject window(engine);
    window.MapPicture.Width = 1920;
    window.MapPicture.Height = 1080;
    const mastermap::CategoryStyles styles = StylesOf(window);
    const mastermap::MasterMapPainter masterPainter(master, styles);
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);

    const Zoom zooms[] = {{"state-wide", 400}, {"county-wide", 40}, {"city-wide", 8}};
    constexpr int Frames = 20;
    constexpr int Rounds = 5;
    std::printf("fastest of %d rounds of %d frames each (the machine is shared); aim: a frame below"
                " 16 ms on one core\n",
                Rounds, Frames);
    for (const Zoom& zoom : zooms) {
        window.Center(geo::LongitudeToX((bench::West + bench::East) / 2),
                      geo::LatitudeToY((bench::South + bench::North) / 2));
        window.SetZoomRange(zoom.miles);
        const mastermap::Rect view{window.ViewLeft, window.ViewBottom, window.ViewRight, window.ViewTop};
        // Frame 0 renders the symbol strips and name labels that later frames reuse; it is not counted.
        qint64 firstNs = 0;
        qint64 masterNs = std::numeric_limits<qint64>::max();
        qint64 dataNs = std::numeric_limits<qint64>::max();
        for (int round = 0; round < Rounds; ++round) {
            qint64 roundMaster = 0, roundData = 0;
            for (int frame = round == 0 ? 0 : 1; frame <= Frames; ++frame) {
                image.fill(Qt::white);
                QPainter painter(&image);
                QElapsedTimer timer;
                timer.start();
                masterPainter.Draw(painter, view, window.MapPicture.UserTransform());
                const qint64 master = timer.nsecsElapsed();
                timer.restart();
                mapview::GPSDataPainter(window, painter).Draw(data);
                if (frame == 0) {
                    firstNs = master + timer.nsecsElapsed();
                    continue;
                }
                roundMaster += master;
                roundData += timer.nsecsElapsed();
            }
            masterNs = std::min(masterNs, roundMaster);
            dataNs = std::min(dataNs, roundData);
        }
        const double masterMs = masterNs / 1e6 / Frames;
        const double dataMs = dataNs / 1e6 / Frames;
        if (argc > 2)
            image.save(
                QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("%1.png").arg(zoom.name)));
        std::printf("%-12s %6.0f miles: master map %7.2f ms + GPS data %7.2f ms = frame %7.2f ms%s;"
                    " first frame %.1f ms\n",
                    zoom.name, zoom.miles, masterMs, dataMs, masterMs + dataMs,
                    masterMs + dataMs < 16 ? " (aim < 16 met)" : " (aim < 16 MISSED)", firstNs / 1e6);
    }
    return 0;
}
