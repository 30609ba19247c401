#include "LinkPodFixture.h"

using namespace linkpod;
using namespace linkpod_testing;

namespace {

UserWaypoint Wpt(int index, const QString& name) {
    const auto slot = static_cast<std::uint16_t>(index);
    return {
        slot, 10005, 1, 1000 * index, -2000 * index, 12.5f, 900000000u + index, name, QStringLiteral("c")};
}

// Sends `trail` the way the transfer engine does: open, packets of 512, close.
void SendTrail(LinkPod& pod, const UserTrail& trail) {
    pod.OpenTrail(trail.index, std::max<int>(trail.points.size(), 2000), trail.name);
    for (qsizetype at = 0; at < trail.points.size(); at += 512) {
        QList<std::int32_t> x, y;
        QList<bool> flags;
        for (const auto& p : trail.points.mid(at, 512)) {
            x << p.x;
            y << p.y;
            flags << p.continuous;
        }
        pod.WriteTrail(x, y, flags, static_cast<int>(x.size()));
    }
    pod.CloseTrail();
}

UserTrail ZigZag(int index, int points) {
    UserTrail t{static_cast<std::uint16_t>(index), QStringLiteral("Walk"), {}};
    for (int i = 0; i < points; ++i)
        t.points.append(TrailPoint{i * 100, (i % 40 < 20 ? i % 20 : 20 - i % 20) * 500, i % 7 != 0});
    return t;
}

} // namespace

class LinkItems : public LinkPodFixture {
protected:
    void SetUp() override {
        StartUnit(extraArgs);
        Connect();
        QObject::connect(&pod, &LinkPod::Waypoint, [this](int i, bool inUse, const UserWaypoint& w) {
            waypoints.append({i, inUse, w});
        });
        QObject::connect(&pod, &LinkPod::WaypointSent, [this](int i) { sent << i; });
        QObject::connect(&pod, &LinkPod::RouteSent, [this](int i) { sent << 1000 + i; });
        QObject::connect(&pod, &LinkPod::Route, [this](int, const UserRoute& r) { routes << r; });
        QObject::connect(&pod, &LinkPod::IconSent, [this](int i) { sent << 2000 + i; });
        QObject::connect(&pod, &LinkPod::Icon,
                         [this](int i, const UserIcon& icon) { icons << qMakePair(i, icon); });
        QObject::connect(&pod, &LinkPod::NumIcons, [this](int n) { iconCount = n; });
        QObject::connect(&pod, &LinkPod::NumIconsSent, [this] { sent << 2999; });
        QObject::connect(&pod, &LinkPod::TrailPacketSent, [this](int) { ++packets; });
        QObject::connect(&pod, &LinkPod::TrailSent, [this](int i) { sent << 3000 + i; });
        QObject::connect(&pod, &LinkPod::Trail, [this](int, const UserTrail& t) { trails << t; });
    }

    struct Got {
        int index;
        bool inUse;
        UserWaypoint w;
    };
    QStringList extraArgs;
    QList<Got> waypoints;
    QList<int> sent;
    QList<UserRoute> routes;
    QList<QPair<int, UserIcon>> icons;
    QList<UserTrail> trails;
    int iconCount = -1;
    int packets = 0;
};

TEST_F(LinkItems, AWaypointWrittenIsReadBackWithEveryField) {
    pod.WriteWaypoint(Wpt(7, QStringLiteral("Gipfel")));
    ASSERT_TRUE(WaitFor([this] { return sent.contains(7); }));
    pod.ReadWaypoint(7);
    pod.ReadWaypoint(8);
    ASSERT_TRUE(WaitFor([this] { return waypoints.size() == 2; }));
    EXPECT_EQ(pod.ReadLastIndex(ListKind::Waypoints), 7);
    EXPECT_TRUE(waypoints[0].inUse);
    EXPECT_EQ(waypoints[0].w, Wpt(7, QStringLiteral("Gipfel")));
    EXPECT_FALSE(waypoints[1].inUse);
    EXPECT_EQ(waypoints[1].index, 8);
}

TEST_F(LinkItems, SlotsReadAheadAreForgottenOnceTheUnitIsWritten) {
    for (int i = 0; i < 4; ++i)
        pod.WriteWaypoint(Wpt(i, QStringLiteral("Old%1").arg(i)));
    pod.RequestMemoryStatus(); // the slots after the first are read ahead from here on
    ASSERT_TRUE(WaitFor([this] { return pod.ReadLastIndex(ListKind::Waypoints) == 3; }));
    pod.ReadWaypoint(0);
    ASSERT_TRUE(WaitFor([this] { return waypoints.size() == 1; }));
    pod.WriteWaypoint(Wpt(2, QStringLiteral("New2")));
    pod.ReadWaypoint(1);
    pod.ReadWaypoint(2);
    ASSERT_TRUE(WaitFor([this] { return waypoints.size() == 3; }));
    EXPECT_EQ(waypoints[1].w.name, QStringLiteral("Old1"));
    EXPECT_EQ(waypoints[2].w.name, QStringLiteral("New2"));
}

TEST_F(LinkItems, ARouteKeepsItsWaypointOrderAndAnEmptyOneErases) {
    pod.WriteRoute(UserRoute{2, QStringLiteral("Loop"), {5, 1, 5, 9}});
    pod.ReadRoute(2);
    pod.WriteRoute(UserRoute{2, {}, {}});
    pod.ReadRoute(2);
    ASSERT_TRUE(WaitFor([this] { return routes.size() == 2; }));
    EXPECT_EQ(routes[0], (UserRoute{2, QStringLiteral("Loop"), {5, 1, 5, 9}}));
    EXPECT_TRUE(routes[1].name.isEmpty());
    EXPECT_TRUE(routes[1].waypoints.isEmpty());
    EXPECT_EQ(sent, (QList<int>{1002, 1002}));
}

TEST_F(LinkItems, IconsAreACountedList) {
    pod.WriteIcon(UserIcon{0, 10003, 10, 20});
    pod.WriteIcon(UserIcon{1, 10004, 30, 40});
    pod.WriteIconCount(1);
    ASSERT_TRUE(WaitFor([this] { return sent.contains(2999); }));
    pod.ReadIconCount();
    pod.ReadIcon(0);
    pod.ReadIcon(1);
    ASSERT_TRUE(WaitFor([this] { return icons.size() == 2; }));
    EXPECT_EQ(iconCount, 1);
    EXPECT_EQ(icons[0].first, 0);
    EXPECT_EQ(icons[0].second, (UserIcon{0, 10003, 10, 20}));
    EXPECT_EQ(icons[1].first, -1) << "an icon past the count is empty";
}

TEST_F(LinkItems, ATrailOfSeveralPacketsRoundTrips) {
    const UserTrail t = ZigZag(4, 1300);
    SendTrail(pod, t);
    ASSERT_TRUE(WaitFor([this] { return sent.contains(3004); }));
    EXPECT_EQ(packets, 3);
    pod.ReadTrail(4);
    pod.ReadTrail(5);
    ASSERT_TRUE(WaitFor([this] { return trails.size() == 2; }));
    EXPECT_EQ(trails[0], t);
    EXPECT_TRUE(trails[1].points.isEmpty());
}

TEST_F(LinkItems, ClearingAListEmptiesItOnTheUnit) {
    pod.WriteWaypoint(Wpt(1, QStringLiteral("A")));
    pod.WriteWaypoint(Wpt(2, QStringLiteral("B")));
    pod.ClearWaypoints();
    pod.ReadWaypoint(2);
    ASSERT_TRUE(WaitFor([this] { return !waypoints.isEmpty(); }));
    EXPECT_FALSE(waypoints[0].inUse);
    EXPECT_EQ(pod.ReadLastIndex(ListKind::Waypoints), -1);
}

TEST_F(LinkItems, TheUnitMakesARouteFromATrailIntoTheStore) {
    int route = -1, count = -1;
    QObject::connect(&pod, &LinkPod::TrailRouteReady, [&](int r, int n) {
        route = r;
        count = n;
    });
    SendTrail(pod, ZigZag(0, 400));
    pod.MakeRouteFromTrail(0);
    ASSERT_TRUE(WaitFor([&] { return route >= 0; }));
    ASSERT_GT(count, 2);
    EXPECT_LE(count, 50);
    const UserRoute* r = pod.Store().routes.Find(static_cast<std::uint16_t>(route));
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->waypoints.size(), count);
    const UserWaypoint* first = pod.Store().waypoints.Find(r->waypoints.front());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->x, 0);
    EXPECT_EQ(pod.Store().waypoints.Find(r->waypoints.back())->x, 39900);
}

TEST_F(LinkItems, WritesGoInBatchesAndARefusedRecordEndsItsBatchWithALinkError) {
    // Each write is taken at once; the unit's answer to the batch follows.
    for (int i = 0; i < 300; ++i)
        pod.WriteWaypoint(Wpt(i, QStringLiteral("W%1").arg(i)));
    pod.WriteWaypoint(Wpt(500, QStringLiteral("Too far")));
    pod.WriteWaypoint(Wpt(301, QStringLiteral("After")));
    ASSERT_TRUE(WaitFor([this] { return errors.contains(LinkPod::Refused); }));
    EXPECT_EQ(sent.size(), 302);
    pod.ReadWaypoint(299);
    pod.ReadWaypoint(301);
    ASSERT_TRUE(WaitFor([this] { return waypoints.size() == 2; }));
    EXPECT_EQ(waypoints[0].w, Wpt(299, QStringLiteral("W299")));
    EXPECT_FALSE(waypoints[1].inUse); // the refusal ended its batch
    EXPECT_EQ(pod.ReadLastIndex(ListKind::Waypoints), 299);
}

TEST_F(LinkItems, TheUpdateRequestsIdentifyTheUnitAgain) {
    statuses.clear();
    pod.RequestProductInfo();
    pod.RequestUnitLimits();
    pod.RequestMemoryStatus();
    ASSERT_TRUE(WaitFor([this] { return statuses.contains(6) && statuses.contains(22); }));
    EXPECT_EQ(statuses.front(), 1);
}

class LinkItemsOnABadLine : public LinkItems {
protected:
    void SetUp() override {
        extraArgs = {"--drop-reply", "6", "--corrupt-every", "4"};
        LinkItems::SetUp();
    }
};

TEST_F(LinkItemsOnABadLine, LostAndCorruptedPacketsAreSentAgainAndNothingIsLost) {
    for (int i = 0; i < 12; ++i)
        pod.WriteWaypoint(Wpt(i, QStringLiteral("W%1").arg(i)));
    const UserTrail t = ZigZag(1, 1100);
    SendTrail(pod, t);
    for (int i = 0; i < 12; ++i)
        pod.ReadWaypoint(i);
    pod.ReadTrail(1);
    ASSERT_TRUE(WaitFor([this] { return waypoints.size() == 12 && trails.size() == 1; }));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(waypoints[i].w, Wpt(i, QStringLiteral("W%1").arg(i)));
    EXPECT_EQ(trails[0], t);
    EXPECT_FALSE(removed);
}

TEST_F(LinkItems, AUnitThatVanishesMidTrailIsRemovedAndTheStoreIsUntouched) {
    pod.Store().waypoints.Put(Wpt(1, QStringLiteral("kept")));
    const UserDataStore before = pod.Store();
    // Hundreds of packets: the unit cannot take them all before it is killed.
    SendTrail(pod, ZigZag(2, 5000));
    for (int i = 0; i < 50; ++i)
        pod.ReadTrail(2);
    unit.reset();
    ASSERT_TRUE(WaitFor([this] { return removed; }));
    EXPECT_TRUE(pod.Store() == before);
    EXPECT_TRUE(trails.size() < 50);
}
