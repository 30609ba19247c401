#pragma once

#include "../linkpod/UnitProcess.h"
#include "../support/RecordingPrompt.h"

#include "comm/Connection.h"
#include "comm/TransferEngine.h"
#include "comm/UnitIdentity.h"
#include "gpsdata/GPSData.h"
#include "linkpod/LinkPod.h"

#include <gtest/gtest.h>

#include <memory>

namespace comm_testing {

using linkpod_testing::WaitFor;

// A session with its control and data set, a terrafold-unit on COM1 and the
// other COM ports pointing nowhere.
class SessionFixture : public ::testing::Test {
protected:
    SessionFixture() {
        linkpod_testing::EnsureApp();
        for (int port = 1; port <= 4; ++port)
            pod.Ports().SetComDevice(port, QStringLiteral("/nonexistent/tf-com%1").arg(port));
        session.SetPrompt(&prompt);
        session.SetStatus(&status);
        identity.SetPrompt(&prompt);
        identity.SetStatus(&status);
        QObject::connect(&session, &comm::Connection::ConnectedStatusChanged, [this] { ++statusChanges; });
        QObject::connect(&session, &comm::Connection::LurchError, [this](quint16 code) { errors << code; });
        QObject::connect(&session, &comm::Connection::ProductInformation, [this] { ++productInfos; });
        QObject::connect(&session, &comm::Connection::ProductName,
                         [this](const QString&, float v) { versions << v; });
    }

    void StartUnit(QStringList args, int rate) {
        args << QStringLiteral("--rate") << QString::number(rate);
        unit = std::make_unique<linkpod_testing::UnitProcess>(args);
        ASSERT_FALSE(unit->Path().isEmpty()) << "terrafold-unit did not start";
        pod.Ports().SetComDevice(1, unit->Path());
    }

    // Connects at the unit's own rate and waits for its name.
    void ConnectAt(int rate) {
        session.SetBaudRate(rate);
        ASSERT_TRUE(session.Connect());
        ASSERT_TRUE(WaitFor([this] { return !versions.isEmpty(); }));
    }

    // Waypoints 0, 1, 2 and 5, a route through three of them, two icons and a
    // trail of several packets with a break every hundred points.
    static void FillEveryKind(gpsdata::GPSData& set, int trailPoints = 1300) {
        for (qint16 i : {0, 1, 2, 5})
            set.AddWaypoint(i, 1000 * i, -2000 * i, 0, QStringLiteral("Wpt%1").arg(i), i + 1, 40000.5, 0);
        set.AddRoute(3, QStringLiteral("Loop"), {0, 5, 2});
        set.AddLurchIcon(0, 11, 12, 4);
        set.AddLurchIcon(1, 21, 22, 6);
        QList<qint32> x, y;
        QList<bool> joined;
        for (int i = 0; i < trailPoints; ++i) {
            x << i * 7;
            y << -i * 3;
            joined << (i % 100 != 0);
        }
        set.AddTrail(1, QStringLiteral("Track"), 0, 0, x, y, joined);
    }

    // What the unit holds, downloaded into a data set of its own as a fresh
    // program would; false when unread.
    bool ReadUnit(gpsdata::GPSData& copy, comm::TransferSelection selection = {}) {
        comm::TransferEngine reader{session, copy};
        QList<bool> done;
        QObject::connect(&reader, &comm::TransferEngine::Finished, [&](bool ok) { done << ok; });
        reader.Download(selection);
        return WaitFor([&] { return !done.isEmpty(); }) && done[0];
    }

    QStringList StatusTexts() const {
        QStringList out;
        for (const auto& line : status.lines)
            out << line.second;
        return out;
    }

    std::unique_ptr<linkpod_testing::UnitProcess> unit;
    linkpod::LinkPod pod;
    gpsdata::GPSData data;
    comm::Connection session{pod};
    comm::UnitIdentity identity{session, data};
    testing_support::RecordingPrompt prompt;
    testing_support::RecordingStatus status;
    int statusChanges = 0;
    int productInfos = 0;
    QList<quint16> errors;
    QList<float> versions;
};

} // namespace comm_testing
