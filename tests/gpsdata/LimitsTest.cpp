#include "gpsdata/GPSData.h"

#include <QSignalSpy>
#include <QStringList>
#include <gtest/gtest.h>

using gpsdata::GPSData;

namespace {

class Limits : public ::testing::Test {
protected:
    explicit Limits(const QString& productTable = {}) : data(productTable) {
        QObject::connect(&data, &GPSData::Warning, [this](const QString& text) { warnings << text; });
    }

    void AddRouteWithLegs(qint16 index, int legs) {
        QList<qint16> list;
        for (int i = 0; i < legs; ++i)
            list << static_cast<qint16>(i % 5);
        data.AddRoute(index, "r", list);
    }

    GPSData data;
    QStringList warnings;
};

} // namespace

// Deleted from the last entry to the first; a waypoint at the limit itself
// stays, and legs to deleted waypoints go.
TEST_F(Limits, FewerObjectsDeleteThoseAboveTheLimitWithTheirNames) {
    for (qint16 i = 0; i < 13; ++i)
        data.AddWaypoint(i, 0, 0, 0, "w", 0, 0, 0);
    data.AddRoute(3, "r", {});
    data.AddLurchIcon(4, 0, 0, 0);
    data.AddTrail(2, "t", 0, 0, {}, {});
    data.SetMaxNumGPSWaypoints(10);
    data.SetMaxNumGPSRoutes(1);
    data.SetMaxNumGPSIcons(1);
    data.SetMaxNumGPSTrails(1);
    EXPECT_EQ(data.CountWaypoints(), 11);
    EXPECT_NE(data.Waypoint(10), nullptr);
    EXPECT_EQ(
        warnings,
        (QStringList{"Maximum number of waypoints decreased to 10.\r\nWaypoint number 13 has been deleted.",
                     "Maximum number of waypoints decreased to 10.\r\nWaypoint number 12 has been deleted.",
                     "Maximum number of routes decreased to 1.\r\nRoute number 4 has been deleted.",
                     "Maximum number of icons decreased to 1.\r\nIcon number 5 has been deleted.",
                     "Maximum number of trails decreased to 1.\r\nTrail number 3 has been deleted."}));
    EXPECT_EQ(data.CountRoutes() + data.CountIcons() + data.CountTrails(), 0);

    data.AddRoute(0, "r", {1, 8, 1, 8});
    data.SetMaxNumGPSWaypoints(5);
    EXPECT_EQ(data.Route(0)->Waypoints(), (QList<qint16>{1, 1}));
}

// Storing a limit (as files do) is met through whole files in SectionedReadTest.
TEST_F(Limits, RaisingALimitOrOneTheDataFitsExactlyCutsNothing) {
    data.AddWaypoint(500, 0, 0, 0, "w", 0, 0, 0);
    data.SetMaxNumGPSWaypoints(999);
    AddRouteWithLegs(0, 3);
    QSignalSpy modified(&data, &GPSData::RouteListModified);
    data.SetMaxNumGPSRouteWaypoints(3);
    EXPECT_EQ(modified.size(), 0);
    EXPECT_EQ(data.CountWaypoints(), 1);
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(Limits, FewerLegsPerRouteCutsTrailingLegs) {
    AddRouteWithLegs(0, 3);
    AddRouteWithLegs(6, 8);
    data.SetMaxNumGPSWptsPerRoute(4);
    EXPECT_EQ(data.Route(0)->NumWaypoints(), 3);
    EXPECT_EQ(data.Route(6)->Waypoints(), (QList<qint16>{0, 1, 2, 3}));
    EXPECT_EQ(warnings, (QStringList{"Maximum number of route legs decreased to 4.\r\n"
                                     "Trailing legs in route number 7 have been deleted."}));
}

TEST_F(Limits, FewerRouteWaypointsCutsFromTheLastRouteAndANegativeLimitLeavesNone) {
    AddRouteWithLegs(0, 5);
    AddRouteWithLegs(1, 2);
    AddRouteWithLegs(2, 3);
    data.AddRoute(3, "empty", {});
    QSignalSpy modified(&data, &GPSData::RouteListModified);
    QSignalSpy removed(&data, &GPSData::RouteRemoved);

    data.SetMaxNumGPSRouteWaypoints(4);

    EXPECT_EQ(data.CountRouteWpts(), 4);
    EXPECT_EQ(data.Route(0)->NumWaypoints(), 4);
    EXPECT_EQ(data.Route(1), nullptr);
    EXPECT_EQ(data.Route(2), nullptr);
    // A route that was empty before is not part of the cut.
    EXPECT_NE(data.Route(3), nullptr);
    EXPECT_EQ(removed.size(), 2);
    EXPECT_EQ(modified.size(), 1);
    EXPECT_EQ(warnings, (QStringList{"Maximum number of route waypoints decreased to 4.\r\n"
                                     "Route waypoints after this have been deleted."}));

    AddRouteWithLegs(0, 3);
    data.SetMaxNumGPSRouteWaypoints(-1);
    EXPECT_EQ(data.Route(0), nullptr);
    EXPECT_EQ(data.CountRouteWpts(), 0);
}

TEST_F(Limits, FewerTrailPointsTruncatesTrails) {
    data.AddTrail(1, "t", 0, 0, {1, 1, 1, 1}, {1, 1, 1, 1});
    data.AddTrail(0, "u", 0, 0, {1}, {1});
    QSignalSpy changed(&data, &GPSData::TrailChanged);
    data.SetMaxNumGPSTrailDeltas(3);
    EXPECT_EQ(data.Trail(1)->NumPoints(), 3);
    EXPECT_EQ(data.Trail(0)->NumPoints(), 2);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toInt(), 1);
    EXPECT_EQ(warnings, (QStringList{"Maximum number of trail points decreased to 3.\r\n"
                                     "Trail number 2 has been truncated."}));
}

TEST_F(Limits, FewerOrInvalidSymbolsFallBackToSymbolZero) {
    data.AddWaypoint(0, 0, 0, 0, "a", 20, 0, 0);
    data.AddWaypoint(1, 0, 0, 0, "b", 9, 0, 0);
    data.AddLurchIcon(0, 0, 0, 10);
    data.SetValidSymbol(3, false);
    QSignalSpy waypoint(&data, &GPSData::WaypointChanged);
    QSignalSpy icon(&data, &GPSData::IconChanged);
    QSignalSpy symbols(&data, &GPSData::NumIconSymbolsChanged);

    data.SetMaxNumGPSIconSymbols(10);

    EXPECT_EQ(data.Waypoint(0)->WptSymbol(), 0);
    EXPECT_EQ(data.Waypoint(1)->WptSymbol(), 9);
    EXPECT_EQ(data.Icon(0)->IcnSymbol(), 0);
    ASSERT_EQ(waypoint.size(), 1);
    EXPECT_EQ(waypoint[0][0].toInt(), 0);
    EXPECT_EQ(icon.size(), 1);
    EXPECT_EQ(symbols.size(), 1);
    EXPECT_EQ(data.ValidSymbols(), QList<bool>(10, true));

    data.AddWaypoint(0, 0, 0, 0, "a", 5, 0, 0);
    data.AddWaypoint(1, 0, 0, 0, "b", 6, 0, 0);
    data.AddLurchIcon(0, 0, 0, 5);
    data.SetValidSymbol(5, false);
    EXPECT_FALSE(data.ValidSymbol(5));
    EXPECT_EQ(data.Waypoint(0)->WptSymbol(), 0);
    EXPECT_EQ(data.Waypoint(1)->WptSymbol(), 6);
    EXPECT_EQ(data.Icon(0)->IcnSymbol(), 0);
    data.SetValidSymbol(99, false); // out of range: ignored
    EXPECT_EQ(data.ValidSymbols().size(), 10);
}

// A data set that knows the shipped products, with a trail longer than product 12 allows.
class ProductID : public Limits {
protected:
    ProductID() : Limits(TF_SOURCE_DIR "/share") {
        data.AddTrail(0, "t", 0, 0, QList<qint32>(1500, 1), QList<qint32>(1500, 1));
    }
};

// A product from a file stores its limits without cutting; an unknown one
// keeps the limits, and a known one set otherwise truncates.
TEST_F(ProductID, AKnownProductSetsItsLimitsWithTruncationAndAnUnknownOneKeepsThem) {
    EXPECT_TRUE(data.SetProductID(12, GPSData::LimitChange::Store));
    EXPECT_EQ(data.MaxNumGPSTrailDeltas(), 1000);
    EXPECT_EQ(data.Trail(0)->NumPoints(), 1501);
    EXPECT_TRUE(warnings.isEmpty());

    data.SetMaxNumGPSTrailDeltas(3000);
    EXPECT_FALSE(data.SetProductID(4242));
    EXPECT_EQ(data.ProductID(), 4242);
    EXPECT_EQ(data.MaxNumGPSRouteWaypoints(), 500);
    EXPECT_EQ(data.MaxNumGPSTrailDeltas(), 3000);
    EXPECT_EQ(data.UpdatePostfix(), "");
    EXPECT_EQ(data.CurrentSoftwareVersion(), 0);

    EXPECT_TRUE(data.SetProductID(12));
    EXPECT_EQ(data.ProductID(), 12);
    EXPECT_EQ(data.Trail(0)->NumPoints(), 1000);
    EXPECT_EQ(warnings.size(), 1);
    EXPECT_EQ(data.UpdatePostfix(), "t12");
    EXPECT_FLOAT_EQ(data.CurrentSoftwareVersion(), 3.2f);
}
