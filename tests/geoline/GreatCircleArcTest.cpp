#include "geoline/GreatCircleArc.h"

#include "geo/Coordinates.h"

#include <gtest/gtest.h>

#include <algorithm>

using geoline::GreatCircleArc;

namespace {

QPoint At(double lat, double lon) {
    return {geo::LongitudeToX(lon), geo::LatitudeToY(lat)};
}

TEST(GreatCircleArc, EquatorLegStaysOnTheEquator) {
    const auto runs = GreatCircleArc(At(0, 10), At(0, 40)).Runs(1);
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].size(), 31);
    for (const QPointF& p : runs[0])
        EXPECT_NEAR(p.y(), 0, 1);
    EXPECT_EQ(runs[0].first(), QPointF(At(0, 10)));
    EXPECT_EQ(runs[0].last(), QPointF(At(0, 40)));
}

TEST(GreatCircleArc, EastWestLegBulgesTowardThePole) {
    const GreatCircleArc arc(At(60, -30), At(60, 30));
    const auto runs = arc.Runs(1);
    const QPointF highest =
        *std::max_element(runs[0].begin(), runs[0].end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    EXPECT_NEAR(highest.x(), 0, 200000);
    // The highest point, on the middle meridian, lies at 63.4 degrees.
    EXPECT_NEAR(geo::YToLatitude(geo::RoundToInt32(highest.y())), 63.43, 0.05);
    EXPECT_NEAR(arc.Bounds().bottom(), geo::LatitudeToY(63.435), 2000);
}

TEST(GreatCircleArc, CrossingTheAntimeridianSplitsTheLeg) {
    const GreatCircleArc arc(At(10, 170), At(10, -170));
    ASSERT_TRUE(arc.CrossesAntimeridian());
    EXPECT_TRUE(arc.Bounds().isNull());
    const auto runs = arc.Runs(1);
    ASSERT_EQ(runs.size(), 2);
    const double edge = geo::Pi * geo::EarthRadius;
    EXPECT_DOUBLE_EQ(runs[0].last().x(), edge);
    EXPECT_DOUBLE_EQ(runs[1].first().x(), -edge);
    EXPECT_DOUBLE_EQ(runs[0].last().y(), runs[1].first().y());
    for (const QPointF& p : runs[0])
        EXPECT_GE(p.x(), At(10, 170).x() - 1);
    for (const QPointF& p : runs[1])
        EXPECT_LE(p.x(), At(10, -170).x() + 1);
}

TEST(GreatCircleArc, MeridianLegIsBoundedByItsEndsAndAPointLegIsOneStep) {
    const QRectF box = GreatCircleArc(At(10, 5), At(40, 5)).Bounds();
    EXPECT_NEAR(box.top(), At(10, 5).y(), 1);
    EXPECT_NEAR(box.bottom(), At(40, 5).y(), 1);
    const auto runs = GreatCircleArc(At(20, 20), At(20, 20)).Runs(1);
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].size(), 2);
}

} // namespace
