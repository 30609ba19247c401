#include "unitwindows/frmProgress.h"

#include "support/QStringPrinter.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using unitwindows::frmProgress;

namespace {

class ProgressWindow : public testing::Test {
protected:
    QString Text(const char* name) const { return window.findChild<QLabel*>(QLatin1String(name))->text(); }
    int Bar() const { return window.findChild<QProgressBar*>("barProgress")->value(); }
    QPushButton* CancelButton() const { return window.findChild<QPushButton*>("cmdCancel"); }

    double now = 3600;
    frmProgress window{nullptr, [this] { return now; }};
    int cancels = 0;
};

} // namespace

TEST_F(ProgressWindow, FollowsTheJobAndClosesAtOneHundred) {
    window.Begin("Uploading Trails");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Uploading Trails");
    EXPECT_EQ(Text("lblCaption"), "Uploading Trails");
    EXPECT_EQ(Bar(), 0);
    now += 2;
    window.ProgressMade(10);
    EXPECT_EQ(Bar(), 10);
    now += 63;
    window.SetValue(50);
    EXPECT_EQ(Text("lblElapsed"), "1 Minute 5 Seconds Elapsed");
    EXPECT_EQ(Text("lblRemaining"), "1 Minute 5 Seconds Remaining");
    window.ProgressMade(100);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Cancelled());
}

// Cancel (the button or closing the window) asks the job to stop at once;
// a job that cannot be cancelled keeps the window; the next job starts afresh.
TEST_F(ProgressWindow, CancelStopsTheJobUnlessItCannotBeCancelled) {
    QObject::connect(&window, &frmProgress::CancelRequested, [this] { ++cancels; });
    window.InitProgress("Erasing Flash", false);
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(CancelButton()->isEnabled());
    EXPECT_EQ(cancels, 0);
    window.Begin("Downloading Icons");
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(cancels, 1);
    window.Begin("Downloading Trails");
    EXPECT_FALSE(window.Cancelled());
    QTest::mouseClick(CancelButton(), Qt::LeftButton);
    EXPECT_EQ(cancels, 2);
    EXPECT_TRUE(window.Cancelled());
    EXPECT_FALSE(window.isVisible());
    window.Begin("Uploading Waypoints");
    EXPECT_FALSE(window.Cancelled());
}
