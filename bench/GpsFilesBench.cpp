// Load and save of the largest data set a unit holds (999 waypoints, 99
// routes of 20 waypoints, 999 icons, 2 trails of 3000 points), as a sectioned
// file and as GPX, beside gpsbabel reading and writing the same GPX.
// Prints processor milliseconds per run (median of several) and the ratios.
#include "files/GPSDataFile.h"
#include "files/GpxFile.h"
#include "gpsdata/GPSData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

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

// Processor time (user + system) rather than wall time: the machine these run
// on is often shared, and a busy neighbour must not move the figures. The
// child figure covers the gpsbabel processes this one has waited for.
double CpuMs(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double Median(const std::function<void()>& run, int who = RUSAGE_SELF, int times = 7) {
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        const double before = CpuMs(who);
        run();
        ms.push_back(CpuMs(who) - before);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(-1);
    if (p.exitCode() != 0)
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), p.readAllStandardError().constData());
}

void Babel(const QStringList& args) {
    Run("gpsbabel", args);
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
    // gpsbabel reads our GPX and writes it again, as our load and save do.
    // Its start-up (measured on an empty file) is shown apart, so that the
    // ratio without it compares the reading and writing alone.
    const QString empty = dir.filePath("empty.gpx");
    {
        QFile file(empty);
        file.open(QIODevice::WriteOnly);
        file.write("<?xml version=\"1.0\"?><gpx version=\"1.1\" creator=\"bench\" "
                   "xmlns=\"http://www.topografix.com/GPX/1/1\"/>");
    }
    const QString copy = dir.filePath("copy.gpx");
    const double babelStart = Median(
        [&] {
            Babel({"-i", "gpx", "-f", empty, "-o", "gpx", "-F", copy});
        },
        RUSAGE_CHILDREN);
    const double babelBoth = Median(
        [&] {
            Babel({"-i", "gpx", "-f", gpx, "-o", "gpx", "-F", copy});
        },
        RUSAGE_CHILDREN);
    const double ours = loadGpx + saveGpx;
    // The whole program, start-up included, as a user runs a conversion.
    const QString cli = QCoreApplication::applicationDirPath() + "/terrafold-cli";
    const double cliStart = Median([&] { Run(cli, {"convert", empty, copy}); }, RUSAGE_CHILDREN);
    const double cliBoth = Median([&] { Run(cli, {"convert", gpx, copy}); }, RUSAGE_CHILDREN);

    std::printf("processor time, median of 7 runs each\n");
    Print("sectioned save", saveNrv);
    Print("sectioned load", loadNrv);
    Print("GPX save", saveGpx);
    Print("GPX load", loadGpx);
    Print("gpsbabel start-up (empty GPX)", babelStart);
    Print("gpsbabel GPX load and save", babelBoth);
    Print("terrafold-cli start-up (empty GPX)", cliStart);
    Print("terrafold-cli convert GPX to GPX", cliBoth);
    std::printf("ratio gpsbabel/ours, GPX load + save:                 %6.1f (aim: 5)\n", babelBoth / ours);
    std::printf("ratio gpsbabel/ours, GPX load + save, no start-up:    %6.1f\n",
                std::max(babelBoth - babelStart, 0.0) / ours);
    std::printf("ratio gpsbabel/terrafold-cli, whole processes:       %6.1f (aim: 2)\n", babelBoth / cliBoth);
    return 0;
}
