#pragma once

#include "SessionFixture.h"

#include "comm/TransferEngine.h"

#include <functional>

namespace comm_testing {

// A session with a transfer engine that reports to the same recorders, and
// a small data set of every kind.
class Transfer : public SessionFixture {
protected:
    Transfer() {
        engine.SetPrompt(&prompt);
        engine.SetProgress(&progress);
        engine.SetStatus(&status);
        QObject::connect(&engine, &comm::TransferEngine::Finished, [this](bool ok) { results << ok; });
    }

    void Fill(gpsdata::GPSData& set) {
        for (qint16 i : {0, 1, 2, 5})
            set.AddWaypoint(i, 1000 * i, -2000 * i, 0, QStringLiteral("Wpt%1").arg(i), i + 1, 40000.5, 0);
        set.AddRoute(3, QStringLiteral("Loop"), {0, 5, 2});
        set.AddLurchIcon(0, 11, 12, 4);
        set.AddLurchIcon(1, 21, 22, 6);
        QList<qint32> x, y;
        QList<bool> joined;
        for (int i = 0; i < 1300; ++i) {
            x << i * 7;
            y << -i * 3;
            joined << (i % 100 != 0);
        }
        set.AddTrail(1, QStringLiteral("Track"), 0, 0, x, y, joined);
    }

    // A unit at 115200 baud with `args`, connected (and the data set filled).
    void Start(const QStringList& args) {
        StartUnit(args, 115200);
        ConnectAt(115200);
    }
    void StartFilled(const QStringList& args = {}) {
        Start(args);
        Fill(data);
    }

    bool Run(const std::function<void()>& start) {
        const auto before = results.size();
        start();
        return WaitFor([&] { return results.size() > before; });
    }

    // A second data set downloaded from the unit, as a fresh program would.
    bool DownloadInto(gpsdata::GPSData& copy, comm::TransferSelection selection = {}) {
        comm::TransferEngine back{session, copy};
        QList<bool> done;
        QObject::connect(&back, &comm::TransferEngine::Finished, [&](bool ok) { done << ok; });
        back.Download(selection);
        return WaitFor([&] { return !done.isEmpty(); }) && done[0];
    }

    comm::TransferEngine engine{session, data};
    testing_support::RecordingProgress progress;
    QList<bool> results;
};

} // namespace comm_testing
