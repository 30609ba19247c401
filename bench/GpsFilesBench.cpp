// Load and save of the largest data set a unit holds (999 waypoints, 99
// routes of 20 waypoints, 999 icons, 2 trails of 3000 points), as a sectioned
// file and as GPX, beside gpsbabel reading and writing the same GPX.
// Prints milliseconds per run (median of several) and the ratios.
#include "files/GPSDataFile.h"
#include "files/GpxFile.h"
#include "gpsdata/GPSData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void Fill(gpsdata::GPSData& data) {
    for (int i = 0; i < 999; ++i)
        data.AddNewFileWaypoint(qint16(i), 1000 * i - 400000, 700 * i + 5000000, QString("Wpt %1").arg(i),
                                i % 28, 1700000000 + i, i % 3 ? QString() : QString("comment %1").arg(i), 0);
    for (int r = 0; r < 99; ++r) {
        QList<qint16> legs;
        for (int j = 0; j < 20; ++j)
            legs << qint16((r * 7 + j * 13) % 999);
        data.AddRoute(qint16(r), QString("Route %1").arg(r), legs);
    }
    for (int i = 0; i < 999; ++i)
        data.AddFileIcon(qint16(i), i % 28, 40 + i * 0.001, -120 + i * 0.002);
    for (int t = 0; t < 2; ++t) {
        QList<qint32> xs, ys;
        QList<bool> flags;
        for (int p = 0; p < 3000; ++p) {
            xs << -13000000 + p * 17 + t;
            ys << 5000000 + p * 11;
            flags << (p % 500 != 0);
        }
        data.AddTrail(qint16(t), QString("Trail %1").arg(t), 0, 0, xs, ys, flags);
    }
}

double Median(const std::function<void()>& run, int times = 5) {
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void Babel(const QStringList& args) {
    QProcess p;
    p.start("gpsbabel", args);
    p.waitForFinished(-1);
    if (p.exitCode() != 0)
        std::fprintf(stderr, "gpsbabel failed: %s\n", p.readAllStandardError().constData());
}

void Print(const char* what, double ms) {
    std::printf("%-34s %9.2f ms\n", what, ms);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    gpsdata::GPSData data;
    Fill(data);
    const QString nrv = dir.filePath("max.nrv");
    const QString gpx = dir.filePath("max.gpx");
    data.SetPath(nrv);

    const double saveNrv = Median([&] { files::GPSDataFile(data).SaveFile(); });
    const double loadNrv = Median([&] {
        gpsdata::GPSData back;
        back.SetPath(nrv);
        files::GPSDataFile(back).OpenFile(false);
    });
    const double saveGpx = Median([&] { files::GpxFile::Save(data, gpx); });
    const double loadGpx = Median([&] {
        gpsdata::GPSData back;
        files::GpxFile::Open(back, gpx);
    });
    // gpsbabel reads our GPX and writes it to nowhere (load), and reads it and
    // writes GPX again (load and save); its save alone is the difference.
    const QString copy = dir.filePath("copy.gpx");
    const double babelLoad = Median([&] {
        Babel({"-r", "-w", "-t", "-i", "gpx", "-f", gpx, "-o", "unicsv", "-F", "/dev/null"});
    });
    const double babelBoth = Median([&] {
        Babel({"-r", "-w", "-t", "-i", "gpx", "-f", gpx, "-o", "gpx", "-F", copy});
    });
    const double babelSave = std::max(babelBoth - babelLoad, 0.0);

    Print("sectioned save", saveNrv);
    Print("sectioned load", loadNrv);
    Print("GPX save", saveGpx);
    Print("GPX load", loadGpx);
    Print("gpsbabel GPX load (to unicsv null)", babelLoad);
    Print("gpsbabel GPX load and save", babelBoth);
    std::printf("ratio gpsbabel/ours, GPX load:        %6.1f\n", babelLoad / loadGpx);
    std::printf("ratio gpsbabel/ours, GPX load + save: %6.1f\n", babelBoth / (loadGpx + saveGpx));
    std::printf("ratio gpsbabel/ours, GPX save:        %6.1f (save estimated as the difference)\n",
                babelSave / saveGpx);
    return 0;
}
