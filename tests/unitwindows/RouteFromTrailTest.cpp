#include "UnitWindowsFixture.h"

#include "comm/RouteFromTrail.h"
#include "support/DataSetRecords.h"
#include "support/QStringPrinter.h"

using namespace unitwindows_testing;
using comm_testing::WaitFor;

namespace {

class RouteFromTrail : public UnitWindowsFixture {
protected:
    static void AddTrail(gpsdata::GPSData& set, qint16 index, const QString& name, int points, int step) {
        QList<qint32> x, y;
        QList<bool> joined;
        for (int i = 0; i < points; ++i) {
            // A zigzag, so that the route keeps more than its ends.
            x << i * step;
            y << (i % 40 < 20 ? i % 20 : 20 - i % 20) * step * 5;
            joined << true;
        }
        set.AddTrail(index, name, 0, 0, x, y, joined);
    }

    // What the unit holds, read into a data set of its own.
    QString UnitContents() {
        gpsdata::GPSData copy;
        if (!ReadUnit(copy))
            return "(not read)";
        return testing_support::DataSetRecords(copy).join(u'\n');
    }

    QList<qint16> Make(qint16 trail) {
        QList<qint16> made;
        const auto noted = QObject::connect(&maker, &comm::RouteFromTrail::RouteCreated,
                                            [&](qint16 index) { made << index; });
        maker.CreateRoute(trail);
        WaitFor([&] { return !made.isEmpty(); });
        QObject::disconnect(noted);
        return made;
    }

    comm::RouteFromTrail maker{session, data};
};

} // namespace

TEST_F(RouteFromTrail, KeepsToTheRouteLimitWithoutAUnitAndAConnectedUnitKeepsItsOwnItems) {
    data.SetMaxNumGPSWptsPerRoute(12);
    AddTrail(data, 3, "Ridge", 800, 50);
    QList<qint16> made = Make(3);
    ASSERT_EQ(made.size(), 1);
    ASSERT_TRUE(data.Route(made[0]));
    EXPECT_EQ(data.Route(made[0])->NumWaypoints(), 12);
    EXPECT_EQ(data.CountWaypoints(), 12);
    EXPECT_TRUE(prompt.shown.isEmpty());

    data.DeleteWaypoints();
    data.DeleteRoutes();
    data.DeleteTrails();
    StartUnit({}, 115200);
    ConnectAt(115200);
    data.AddWaypoint(0, 500, 600, 0, "Home", 1, 40000.5, 0);
    data.AddRoute(0, "Out", {0});
    AddTrail(data, 0, "Unit Trail", 300, 90);
    ASSERT_TRUE(Run([&] { transfers.Upload({}); }));
    const QString before = UnitContents();
    ASSERT_TRUE(before.contains("Unit Trail"));

    // A trail of the data set the unit does not have, in the slot its own trail is in.
    data.DeleteTrail(0);
    AddTrail(data, 0, "Walk", 500, 130);
    made = Make(0);
    ASSERT_EQ(made.size(), 1);
    const gpsdata::RouteObject* route = data.Route(made[0]);
    ASSERT_TRUE(route);
    EXPECT_EQ(route->RteName(), "(Walk)");
    EXPECT_GT(route->NumWaypoints(), 2);
    EXPECT_LE(route->NumWaypoints(), data.MaxNumGPSWptsPerRoute());
    EXPECT_EQ(data.CountWaypoints(), 1 + route->NumWaypoints());
    EXPECT_EQ(data.Waypoint(route->Waypoints().last())->X(), 499 * 130);

    EXPECT_EQ(UnitContents(), before);
    EXPECT_EQ(pod.Store().trails.Count(), 0);
    EXPECT_EQ(pod.Store().routes.Count(), 0);
    EXPECT_EQ(pod.Store().waypoints.Count(), 0);
}
