#include "unitwindows/frmProgress.h"

#include "support/QStringPrinter.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using unitwindows::frmProgress;

// A job that cannot be cancelled keeps the window; the next job starts afresh.
TEST(ProgressWindow, ClosesAtTheEndAndCancelStopsTheJobUnlessItCannotBeCancelled) {
    frmProgress window{nullptr};
    auto* cancel = window.findChild<QPushButton*>("cmdCancel");
    int cancels = 0;
    QObject::connect(&window, &frmProgress::CancelRequested, [&] { ++cancels; });

    window.Begin("Uploading Trails");
    EXPECT_TRUE(window.isVisible());
    window.ProgressMade(10);
    EXPECT_EQ(window.findChild<QProgressBar*>("barProgress")->value(), 10);
    window.ProgressMade(100);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Cancelled());

    window.InitProgress("Erasing Flash", false);
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_EQ(cancels, 0);
    window.Begin("Downloading Icons");
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(cancels, 1);
    window.Begin("Downloading Trails");
    EXPECT_FALSE(window.Cancelled());
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(cancels, 2);
    EXPECT_TRUE(window.Cancelled());
    EXPECT_FALSE(window.isVisible());
    window.Begin("Uploading Waypoints");
    EXPECT_FALSE(window.Cancelled());
}
