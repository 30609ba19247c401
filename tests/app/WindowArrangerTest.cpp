#include "app/WindowArranger.h"
#include "app/ProgramSettings.h"
#include "app/SettingsBridge.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

using namespace app;

namespace {

const QRect Area(0, 0, 1200, 800);

void ExpectNoOverlapInside(const QList<QRect>& plan) {
    for (qsizetype i = 0; i < plan.size(); ++i) {
        EXPECT_TRUE(Area.contains(plan[i])) << i;
        EXPECT_GT(plan[i].width(), 0) << i;
        EXPECT_GT(plan[i].height(), 0) << i;
        for (qsizetype j = i + 1; j < plan.size(); ++j)
            EXPECT_FALSE(plan[i].intersects(plan[j])) << i << " " << j;
    }
}

} // namespace

TEST(ArrangeWindows, EveryKindGetsItsOwnPlaceAndTheMapAloneFillsTheFrame) {
    EXPECT_EQ(WindowArranger::Plan(Area, {}, {}), QList<QRect>{Area});
    const QList<QRect> plan = WindowArranger::Plan(Area, {2, 1, 1, 1}, {});
    ASSERT_EQ(plan.size(), 6);
    ExpectNoOverlapInside(plan);
    const QRect map = plan[0];
    EXPECT_EQ(map.topLeft(), Area.topLeft());
    EXPECT_LT(plan[1].top(), Area.bottom()); // waypoint lists below the map
    EXPECT_GT(plan[1].top(), map.bottom());
    EXPECT_GT(plan[4].left(), map.right()); // route lists to its right
}

TEST(WindowPlacement, ASavedPlaceLargerOrElsewhereThanTheScreenIsBroughtOntoIt) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ProgramSettings s;
    // Twice the screen, from a larger or more scaled display, partly off it.
    s.formLeft = float(screen.width() * 15);
    s.formTop = -600;
    s.formWidth = float(screen.width() * 30);
    s.formHeight = float(screen.height() * 30);
    QWidget window;
    SettingsBridge::ApplyPlacement(s, window);
    EXPECT_TRUE(screen.contains(window.geometry())) << window.geometry().x() << "," << window.geometry().y();
    EXPECT_EQ(window.geometry().size(), screen.size());
}
