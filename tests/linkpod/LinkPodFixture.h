#pragma once

#include "UnitProcess.h"

#include "linkpod/LinkPod.h"

#include <gtest/gtest.h>

#include <memory>

namespace linkpod_testing {

// A LinkPod with a terrafold-unit on COM1, recording the control's events.
class LinkPodFixture : public ::testing::Test {
protected:
    void StartUnit(QStringList args, int rate = 9600) {
        args << QStringLiteral("--rate") << QString::number(rate);
        unit = std::make_unique<UnitProcess>(args);
        ASSERT_FALSE(unit->Path().isEmpty()) << "terrafold-unit did not start";
        pod.Ports().SetComDevice(1, unit->Path());
        Record();
    }

    // Watches COM1 at `rate` and waits for the unit and both identification
    // packets.
    void Connect(int rate = 9600) {
        pod.SetBaudRate(rate);
        ASSERT_TRUE(pod.WatchComPort(1)) << pod.PortErrorText().toStdString();
        ASSERT_TRUE(WaitFor([this] { return connected && statuses.contains(6) && statuses.contains(22); }));
        pod.SetActiveDevice(pod.UnitDevice());
    }

    void Record() {
        using namespace linkpod;
        QObject::connect(&pod, &LinkPod::DeviceConnected, [this](std::uint16_t d) {
            connected = true;
            device = d;
        });
        QObject::connect(&pod, &LinkPod::DeviceRemoved, [this](std::uint16_t) { removed = true; });
        QObject::connect(&pod, &LinkPod::LurchUnitFound, [this] { lurch = true; });
        QObject::connect(&pod, &LinkPod::LinkStatus,
                         [this](std::uint16_t, int code, int, int) { statuses << code; });
        QObject::connect(&pod, &LinkPod::LinkError, [this](std::uint16_t code) { errors << code; });
        QObject::connect(&pod, &LinkPod::FLNewDeviceReady,
                         [this](std::uint16_t d, int) { cardDevices << d; });
    }

    std::unique_ptr<UnitProcess> unit;
    linkpod::LinkPod pod;
    bool connected = false;
    bool removed = false;
    bool lurch = false;
    std::uint16_t device = 0;
    QList<int> statuses;
    QList<int> errors;
    QList<std::uint16_t> cardDevices;
};

} // namespace linkpod_testing
