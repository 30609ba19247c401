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
    int Bar() const { return window.findChild<QProgressBar*>(QStringLiteral("barProgress"))->value(); }
    QPushButton* CancelButton() const { return window.findChild<QPushButton*>(QStringLiteral("cmdCancel")); }

    double now = 3600;
    frmProgress window{nullptr, [this] { return now; }};
    int cancels = 0;
};

} // namespace

TEST_F(ProgressWindow, OpensWithItsTitleAnEmptyBarAndNothingElapsed) {
    window.Begin(QStringLiteral("Downloading Waypoints"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Downloading Waypoints"));
    EXPECT_EQ(Text("lblCaption"), QStringLiteral("Downloading Waypoints"));
    EXPECT_EQ(Bar(), 0);
    EXPECT_EQ(Text("lblElapsed"), QStringLiteral("0 Seconds Elapsed"));
    EXPECT_TRUE(Text("lblRemaining").isEmpty());
}

TEST_F(ProgressWindow, FollowsTheJobAndClosesAtOneHundred) {
    window.Begin(QStringLiteral("Uploading Trails"));
    now += 2;
    window.ProgressMade(10);
    EXPECT_EQ(Bar(), 10);
    EXPECT_EQ(Text("lblElapsed"), QStringLiteral("2 Seconds Elapsed"));
    EXPECT_EQ(Text("lblRemaining"), QStringLiteral("0 Seconds Remaining"));
    now += 63;
    window.SetValue(50);
    EXPECT_EQ(Text("lblElapsed"), QStringLiteral("1 Minute 5 Seconds Elapsed"));
    EXPECT_EQ(Text("lblRemaining"), QStringLiteral("1 Minute 5 Seconds Remaining"));
    window.ProgressMade(100);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Cancelled());
}

TEST_F(ProgressWindow, CancelAsksTheJobToStopAtOnceAndCloses) {
    QObject::connect(&window, &frmProgress::CancelRequested, [this] { ++cancels; });
    window.Begin(QStringLiteral("Downloading Trails"));
    QTest::mouseClick(CancelButton(), Qt::LeftButton);
    EXPECT_EQ(cancels, 1);
    EXPECT_TRUE(window.Cancelled());
    EXPECT_FALSE(window.isVisible());
    // The next job starts afresh.
    window.Begin(QStringLiteral("Uploading Waypoints"));
    EXPECT_FALSE(window.Cancelled());
}

TEST_F(ProgressWindow, ClosingTheWindowCancelsButAJobThatCannotBeCancelledKeepsIt) {
    QObject::connect(&window, &frmProgress::CancelRequested, [this] { ++cancels; });
    window.InitProgress(QStringLiteral("Erasing Flash"), false);
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(CancelButton()->isEnabled());
    EXPECT_EQ(cancels, 0);
    window.Begin(QStringLiteral("Downloading Icons"));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(cancels, 1);
}
