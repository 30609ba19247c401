// Upload and download of the largest GPS data set with the unit emulator
// pacing its line at 115200 baud: the time of each beside the line-rate limit
// of the bytes the line carried (both ways) and of the records alone.

#include "MaxDataSet.h"

#include "comm/Connection.h"
#include "comm/TransferEngine.h"
#include "comm/UnitIdentity.h"
#include "files/UserRecords.h"
#include "linkpod/LinkPod.h"
#include "linkpod/PayloadWriter.h"
#include "linkpod/RecordCodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr int Rate = 115200;

// Runs the event loop, asleep between events, until done() or ten minutes.
bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (done() || clock.elapsed() > 600000)
            loop.quit();
    });
    check.start(5);
    if (!done())
        loop.exec();
    return done();
}

// The records as the link encodes them, without framing, requests or replies.
qint64 PayloadBytes(const gpsdata::GPSData& data) {
    linkpod::PayloadWriter w;
    for (const auto& e : data.Waypoints())
        linkpod::codec::Put(w, files::UserRecords::SetUserWaypoint(*e.object));
    for (const auto& e : data.Routes())
        linkpod::codec::Put(w, files::UserRecords::SetUserRoute(*e.object));
    for (const auto& e : data.Icons())
        linkpod::codec::Put(w, files::UserRecords::SetUserIcon(*e.object));
    for (const auto& e : data.Trails())
        linkpod::codec::PutTrailPoints(w, files::UserRecords::SetUserTrail(*e.object).points);
    return w.Data().size();
}

class Bench {
public:
    explicit Bench(const QString& statsPath) : statsPath_(statsPath) {}

    // Both directions of the line so far, once the emulator's count settled.
    qint64 LineBytes() const {
        QThread::msleep(300);
        QFile f(statsPath_);
        if (!f.open(QIODevice::ReadOnly))
            return 0;
        const QList<QByteArray> counts = f.readAll().split(' ');
        return counts.value(0).toLongLong() + counts.value(1).toLongLong();
    }

    void Report(const char* what, double seconds, qint64 lineBytes, qint64 payload) const {
        const double lineLimit = double(lineBytes) * 10 / Rate;
        const double payloadLimit = double(payload) * 10 / Rate;
        std::printf("%s: %.2f s; line carried %lld bytes (limit %.2f s, ratio %.2f); payload %lld bytes "
                    "(limit %.2f s, ratio %.2f; aim <= 1.1)\n",
                    what, seconds, static_cast<long long>(lineBytes), lineLimit, seconds / lineLimit,
                    static_cast<long long>(payload), payloadLimit, seconds / payloadLimit);
    }

private:
    QString statsPath_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString stats = dir.filePath(QStringLiteral("stats"));
    QProcess unitProcess;
    unitProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    unitProcess.start(QStringLiteral(TF_BINARY_DIR "/bin/terrafold-unit"),
                      {"--rate", QString::number(Rate), "--pace", "--max-waypoints", "999", "--max-icons",
                       "999", "--max-routes", "99", "--max-route-waypoints", "20", "--max-trails", "2",
                       "--symbols", "0-27", "--stats", stats});
    if (!unitProcess.waitForReadyRead(30000)) {
        std::fprintf(stderr, "terrafold-unit did not start\n");
        return 1;
    }
    const QString device = QString::fromLocal8Bit(unitProcess.readLine()).trimmed();

    linkpod::LinkPod pod;
    for (int port = 2; port <= 4; ++port)
        pod.Ports().SetComDevice(port, QStringLiteral("/nonexistent/bench-com%1").arg(port));
    pod.Ports().SetComDevice(1, device);
    gpsdata::GPSData data;
    bench::FillMaxDataSet(data);
    comm::Connection session(pod);
    comm::UnitIdentity identity(session, data);
    bool named = false;
    QObject::connect(&session, &comm::Connection::ProductName, [&] { named = true; });
    session.SetAutoSelectComPort(false);
    session.SetBaudRate(Rate);
    if (!session.Connect() || !WaitFor([&] { return named; })) {
        std::fprintf(stderr, "no unit on %s\n", qPrintable(device));
        return 1;
    }
    const qint64 payload = PayloadBytes(data);
    const Bench bench(stats);

    auto run = [&](gpsdata::GPSData& set, void (comm::TransferEngine::*start)(comm::TransferSelection),
                   const char* what) {
        comm::TransferEngine engine(session, set);
        bool done = false, ok = false;
        QObject::connect(&engine, &comm::TransferEngine::Finished, [&](bool complete) {
            done = true;
            ok = complete;
        });
        const qint64 before = bench.LineBytes();
        QElapsedTimer timer;
        timer.start();
        (engine.*start)({});
        if (!WaitFor([&] { return done; }) || !ok) {
            std::fprintf(stderr, "%s did not complete\n", what);
            return false;
        }
        const double seconds = timer.nsecsElapsed() / 1e9;
        bench.Report(what, seconds, bench.LineBytes() - before, payload);
        return true;
    };
    gpsdata::GPSData copy;
    if (!run(data, &comm::TransferEngine::Upload, "upload") ||
        !run(copy, &comm::TransferEngine::Download, "download"))
        return 1;
    std::printf("downloaded %d waypoints, %d routes, %d icons, %d trails\n", copy.CountWaypoints(),
                copy.CountRoutes(), copy.CountIcons(), copy.CountTrails());
    unitProcess.kill();
    unitProcess.waitForFinished();
    return 0;
}
