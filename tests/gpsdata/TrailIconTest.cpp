#include "gpsdata/GPSData.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <limits>

using gpsdata::GPSData;
using gpsdata::IconObject;
using gpsdata::TrailObject;

namespace {

QList<QList<qint32>> Points(const TrailObject& t) {
    QList<QList<qint32>> out;
    for (int i = 0; i < t.NumPoints(); ++i)
        out.append({t.PointX(i), t.PointY(i), t.Continuous(i) ? 1 : 0});
    return out;
}

} // namespace

TEST(TrailPoints, DeltasBuildFromTheStartPointPointsKeepTheirFlagsAndReadsOutsideThemAreZero) {
    GPSData data;
    TrailObject t(data);
    EXPECT_EQ(t.NumPoints(), 0);
    t.SetDeltas(1, 2, {}, {});
    EXPECT_EQ(t.NumPoints(), 0) << "no deltas, no points";
    t.SetDeltas(100, 200, {5, -5}, {0, 10});
    EXPECT_EQ(Points(t), (QList<QList<qint32>>{{100, 200, 1}, {105, 200, 1}, {100, 210, 1}}));
    const qint32 max = std::numeric_limits<qint32>::max();
    t.SetDeltas(max - 1, 0, {5, -1}, {0, 0});
    EXPECT_EQ(t.PointX(1), max);
    EXPECT_EQ(t.PointX(2), max - 1);

    QSignalSpy spy(&t, &TrailObject::TrailChanged);
    t.SetPoints({1, 2, 3}, {4, 5, 6}, {true, false, true});
    EXPECT_EQ(Points(t), (QList<QList<qint32>>{{1, 4, 1}, {2, 5, 0}, {3, 6, 1}}));
    EXPECT_EQ(spy.size(), 1);
    EXPECT_EQ(t.PointX(-1), 0);
    EXPECT_EQ(t.PointY(3), 0);
    EXPECT_FALSE(t.Continuous(3));
    t.TrimPoints(1);
    EXPECT_EQ(Points(t), (QList<QList<qint32>>{{1, 4, 1}}));
    t.TrimPoints(5);
    EXPECT_EQ(t.NumPoints(), 1);
    // Lists of unequal length give as many points as the shortest.
    t.SetPoints({1, 2, 3}, {4, 5}, {true, true, true});
    EXPECT_EQ(t.NumPoints(), 2);
    t.SetPoints({}, {}, {});
    EXPECT_EQ(t.NumPoints(), 0);
}

TEST(TrailPoints, AddTrailTakesPointsWhenFlagsAreGiven) {
    GPSData data;
    data.AddTrail(0, "pts", 0, 0, {10, 20}, {30, 40}, QList<bool>{true, false});
    data.AddTrail(1, "dlt", 10, 30, {10}, {10});
    EXPECT_EQ(Points(*data.Trail(0)), (QList<QList<qint32>>{{10, 30, 1}, {20, 40, 0}}));
    EXPECT_EQ(Points(*data.Trail(1)), (QList<QList<qint32>>{{10, 30, 1}, {20, 40, 1}}));
    EXPECT_EQ(data.Trail(1)->TrlName(), "dlt");
}
