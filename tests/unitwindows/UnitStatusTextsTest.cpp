#include "../app/MainWindowFixture.h"
#include "../linkpod/UnitProcess.h"

#include "app/StatusPanels.h"
#include "comm/Connection.h"

using linkpod_testing::WaitFor;

namespace {

// The main window's message panel around the unit's comings and goings: a
// text stays only while it is true.
class UnitStatusTexts : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        for (int port = 1; port <= 4; ++port)
            Ports().SetComDevice(port, QStringLiteral("/nonexistent/tf-com%1").arg(port));
        main->Link().SetComPort(1);
    }

    linkpod::PortTable& Ports() const { return main->Link().Pod().Ports(); }

    void StartUnit(const QStringList& args) {
        unit = std::make_unique<linkpod_testing::UnitProcess>(args);
        ASSERT_FALSE(unit->Path().isEmpty());
        Ports().SetComDevice(1, unit->Path());
    }

    QString Message() const { return main->Status().StatusText(app::StatusPanels::Message); }

    std::unique_ptr<linkpod_testing::UnitProcess> unit;
};

} // namespace

TEST_F(UnitStatusTexts, AStartUpProbeThatFindsNoPortLeavesNoTryingText) {
    ASSERT_TRUE(WaitFor([&] { return !main->Link().tmrLinkPod().isActive(); }));
    EXPECT_TRUE(WaitFor([&] { return Message().isEmpty(); })) << Message().toStdString();
}

TEST_F(UnitStatusTexts, AStartUpProbeThatNoUnitAnswersLeavesNoTryingText) {
    StartUnit({QStringLiteral("--rate"), QStringLiteral("1200")});
    ASSERT_TRUE(WaitFor([&] { return Message().startsWith(QStringLiteral("Com1 - Trying")); }));
    EXPECT_TRUE(WaitFor([&] { return Message().isEmpty(); })) << Message().toStdString();
    EXPECT_FALSE(main->Link().Connected());
}

TEST_F(UnitStatusTexts, TheUnitsNameGoesWhenItIsDisconnectedOrUnplugged) {
    StartUnit({QStringLiteral("--rate"), QStringLiteral("9600"), QStringLiteral("--name"),
               QStringLiteral("Voyager 12"), QStringLiteral("--vanish-after"), QStringLiteral("30")});
    main->Link().SetBaudRate(9600);
    Click("connect");
    ASSERT_TRUE(WaitFor([&] { return Message() == QStringLiteral("Voyager 12"); }));
    Click("disconnect");
    EXPECT_EQ(Message(), QString());

    Click("connect");
    ASSERT_TRUE(WaitFor([&] { return Message() == QStringLiteral("Voyager 12"); }));
    main->Link().OnSession([](linkpod::LinkPod& pod) {
        for (int i = 0; i < 40; ++i)
            pod.ReadWaypoint(i);
    });
    ASSERT_TRUE(WaitFor([&] { return !main->Link().Connected(); }));
    EXPECT_EQ(Message(), QString());
}
