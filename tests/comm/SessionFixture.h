#pragma once

#include "../linkpod/UnitProcess.h"
#include "../support/RecordingPrompt.h"

#include "comm/Connection.h"
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
