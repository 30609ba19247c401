#include "LinkPodFixture.h"

using namespace linkpod;
using namespace linkpod_testing;

using LinkConnection = LinkPodFixture;

TEST_F(LinkConnection, AUnitAnsweringAtTheRateIsConnectedAndIdentified) {
    StartUnit({"--name", "Trail 12", "--product-id", "123", "--version", "3.4", "--symbols", "0-3,7"});
    Connect();
    EXPECT_EQ(device, 0x2A01);
    EXPECT_EQ(statuses.value(0), 1) << "identification flags are cleared first";
    QString name, text;
    int id = 0, v1 = 0, major = 0, minor = 0, v2 = 0;
    pod.ReadProductInfo(name, id, v1, major, minor, v2, text);
    EXPECT_EQ(name, QStringLiteral("Trail 12"));
    EXPECT_EQ((QList<int>{id, major, minor}), (QList<int>{123, 3, 40}));
    int wpt = 0, icn = 0, rte = 0, perRoute = 0, trl = 0;
    pod.ReadUnitLimits(wpt, icn, rte, perRoute, trl);
    EXPECT_EQ((QList<int>{wpt, icn, rte, perRoute, trl}), (QList<int>{500, 250, 20, 50, 10}));
    QList<int> codes;
    int count = 0;
    pod.ReadSymbolList(codes, count);
    EXPECT_EQ(codes, (QList<int>{10000, 10001, 10002, 10003, 10007}));
    EXPECT_EQ(count, 5);
}

TEST_F(LinkConnection, APortThatDoesNotExistSaysWhatToDo) {
    EnsureApp();
    pod.Ports().SetComDevice(2, QStringLiteral("/dev/ttyUSB-missing-for-test"));
    EXPECT_FALSE(pod.WatchComPort(2));
    EXPECT_TRUE(pod.PortErrorText().contains(QStringLiteral("/dev/ttyUSB-missing-for-test")));
    EXPECT_TRUE(pod.PortErrorText().contains(QStringLiteral("/dev/serial/by-id/")));
}

TEST_F(LinkConnection, AClosedPortDropsTheLinkWithoutEvents) {
    StartUnit({});
    Connect();
    pod.CloseComPort();
    EXPECT_EQ(pod.UnitDevice(), 0);
    EXPECT_FALSE(removed);
}
