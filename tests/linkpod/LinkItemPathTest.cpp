#include "LinkPodFixture.h"

using namespace linkpod;
using namespace linkpod_testing;

namespace {

UserWaypoint Named(int index, const QString& name) {
    UserWaypoint w;
    w.index = static_cast<std::uint16_t>(index);
    w.name = name;
    return w;
}

} // namespace

// Item operations go to the unit while its device is the active one and to
// the data store for any other, switching as the device or the unit changes.
class LinkItemPath : public LinkPodFixture {
protected:
    void SetUp() override {
        StartUnit({});
        Connect();
        QObject::connect(&pod, &LinkPod::WaypointSent, [this](int i) { sent << i; });
        QObject::connect(&pod, &LinkPod::Waypoint,
                         [this](int i, bool inUse, const UserWaypoint&) { read << qMakePair(i, inUse); });
    }

    void Write(const UserWaypoint& w) {
        pod.WriteWaypoint(w);
        ASSERT_TRUE(WaitFor([&] { return sent.contains(w.index); }));
    }

    // The unit's memory status, current after every write sent before.
    int UnitLastWaypoint() {
        pod.RequestMemoryStatus();
        EXPECT_TRUE(WaitFor([this] { return pod.MemoryRequestsOpen() == 0; }));
        return pod.ReadLastIndex(ListKind::Waypoints);
    }

    QList<int> sent;
    QList<QPair<int, bool>> read;
};

TEST_F(LinkItemPath, TheReaderThenTheUnitEachGetTheirOwnItems) {
    const std::uint16_t unitDevice = pod.UnitDevice();
    pod.SetActiveDevice(LinkPod::ReaderDevice(1));
    Write(Named(1, QStringLiteral("Store")));
    EXPECT_EQ(pod.ReadLastIndex(ListKind::Waypoints), 1);
    pod.SetActiveDevice(unitDevice);
    Write(Named(2, QStringLiteral("Unit")));
    EXPECT_EQ(UnitLastWaypoint(), 2);
    pod.ReadWaypoint(1);
    ASSERT_TRUE(WaitFor([this] { return read.size() == 1; }));
    EXPECT_FALSE(read[0].second) << "the reader's waypoint reached the unit";
    EXPECT_EQ(pod.Store().waypoints.Count(), 1);
    EXPECT_EQ(pod.Store().waypoints.At(0).name, QStringLiteral("Store"));
}

TEST_F(LinkItemPath, ItemsFollowTheUnitAsItGoesAndComesBack) {
    unit.reset();
    ASSERT_TRUE(WaitFor([this] { return removed; }));
    // The unit's device stays the active one, but with no unit the store
    // takes the items.
    Write(Named(3, QStringLiteral("Kept")));
    ASSERT_NE(pod.Store().waypoints.Find(3), nullptr);

    connected = false;
    unit = std::make_unique<UnitProcess>(QStringList{QStringLiteral("--rate"), QStringLiteral("9600")});
    pod.Ports().SetComDevice(1, unit->Path());
    ASSERT_TRUE(pod.WatchComPort(1)) << pod.PortErrorText().toStdString();
    ASSERT_TRUE(WaitFor([this] { return connected; }));
    Write(Named(4, QStringLiteral("Unit")));
    EXPECT_EQ(UnitLastWaypoint(), 4);
    EXPECT_EQ(pod.Store().waypoints.Find(4), nullptr);
}
