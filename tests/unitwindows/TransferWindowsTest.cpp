#include "../comm/SessionFixture.h"

#include "comm/RouteFromTrail.h"
#include "mapview/UndoStack.h"
#include "support/DataSetRecords.h"
#include "support/QStringPrinter.h"
#include "unitwindows/UnitTransfers.h"
#include "unitwindows/frmProgress.h"
#include "unitwindows/frmTransfer.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

using comm::KindRange;
using comm::TransferSelection;
using comm_testing::WaitFor;

namespace {

template <class T> T* Child(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

void Click(QWidget* window, const char* button) {
    QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
}

// The comm tests' session with the transfers, their undo steps and the progress window on top.
class Transfers : public comm_testing::SessionFixture {
protected:
    Transfers() {
        QObject::connect(&transfers.Engine(), &comm::TransferEngine::Finished,
                         [this](bool complete) { finished << complete; });
    }
    // Runs a transfer started by `start` to its end; false when it never ended.
    bool Run(const std::function<void()>& start) {
        const auto before = finished.size();
        start();
        return WaitFor([&] { return finished.size() > before; });
    }
    void UploadFilled() {
        FillEveryKind(data, 1500);
        ASSERT_TRUE(Run([&] { transfers.Upload({}); }));
        ASSERT_EQ(finished.last(), true);
    }
    // A zigzag, so that a route made from it keeps more than its ends.
    void AddTrail(qint16 index, const QString& name, int points, int step) {
        QList<qint32> x, y;
        for (int i = 0; i < points; ++i) {
            x << i * step;
            y << (i % 40 < 20 ? i % 20 : 20 - i % 20) * step * 5;
        }
        data.AddTrail(index, name, 0, 0, x, y, QList<bool>(points, true));
    }
    // The route made from a trail, or -1.
    qint16 MakeRoute(qint16 trail) {
        QList<qint16> made;
        const auto noted = QObject::connect(&maker, &comm::RouteFromTrail::RouteCreated,
                                            [&](qint16 index) { made << index; });
        maker.CreateRoute(trail);
        WaitFor([&] { return !made.isEmpty(); });
        QObject::disconnect(noted);
        return made.size() == 1 ? made[0] : qint16(-1);
    }
    // What the unit holds, read into a data set of its own.
    QStringList UnitContents() {
        gpsdata::GPSData copy;
        return ReadUnit(copy) ? testing_support::DataSetRecords(copy) : QStringList{"(not read)"};
    }

    mapview::UndoStack undo{data};
    unitwindows::frmProgress progress;
    unitwindows::UnitTransfers transfers{session, data, undo, prompt, status, progress, nullptr};
    QList<bool> finished;
    comm::RouteFromTrail maker{session, data};
};

} // namespace

TEST_F(Transfers,
       ACancelledDownloadLeavesTheDataSetTheRangeWindowKeepsItsRangesAndARouteFromATrailLeavesTheUnitAlone) {
    data.SetMaxNumGPSWptsPerRoute(12);
    AddTrail(3, "Ridge", 800, 50);
    const qint16 ridge = MakeRoute(3);
    ASSERT_TRUE(data.Route(ridge));
    EXPECT_EQ(data.Route(ridge)->NumWaypoints(), 12);
    EXPECT_EQ(data.CountWaypoints(), 12);
    EXPECT_TRUE(prompt.shown.isEmpty());
    data.DeleteWaypoints();
    data.DeleteRoutes();
    data.DeleteTrails();

    StartUnit({"--pace"}, 115200);
    ConnectAt(115200);
    UploadFilled();

    // Cancelled mid-trail, a download stops at once and leaves the data set as its undo step found it.
    data.Trail(1)->SetTrlName("Mine");
    const QStringList before = testing_support::DataSetRecords(data);
    transfers.DownloadLast();
    ASSERT_TRUE(WaitFor([&] { return StatusTexts().contains("Retreiving trail 2"); }));
    ASSERT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.windowTitle(), "Downloading Trails");
    QTest::mouseClick(progress.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(finished, (QList<bool>{true, false}));
    EXPECT_FALSE(transfers.Engine().Busy());
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(testing_support::DataSetRecords(data), before);
    EXPECT_EQ(undo.UndoCaption(), "&Undo Download Trails");

    // The trail's late packets do not disturb the next transfer.
    ASSERT_TRUE(Run([&] { transfers.DownloadLast(); }));
    EXPECT_EQ(finished.last(), true);
    EXPECT_EQ(data.Trail(1)->TrlName(), "Track");
    EXPECT_EQ(data.Trail(1)->NumPoints(), 1500);

    // The range window keeps its ranges in order, and what it transfers stays in them.
    data.DeleteWaypoint(1);
    session.SetConnectionIsLurch(false);
    unitwindows::frmTransfer ranges(data, transfers.Selection());
    QObject::connect(&ranges, &unitwindows::frmTransfer::UploadRequested,
                     [this](const TransferSelection& s) { transfers.Upload(s); });
    QObject::connect(&ranges, &unitwindows::frmTransfer::DownloadRequested,
                     [this](const TransferSelection& s) { transfers.Download(s); });
    QSpinBox* first = Child<QSpinBox>(&ranges, "udWptMin");
    QSpinBox* last = Child<QSpinBox>(&ranges, "udWptMax");
    Child<QRadioButton>(&ranges, "optWptRange")->setChecked(true);
    EXPECT_EQ(last->maximum(), data.MaxNumGPSWaypoints());
    last->setValue(20);
    first->setValue(30);
    EXPECT_EQ(last->value(), 30);
    last->setValue(10);
    EXPECT_EQ(first->value(), 10);
    first->setValue(4);
    EXPECT_EQ(ranges.FirstWpt(), 3);
    EXPECT_EQ(ranges.LastWpt(), 9);
    Child<QRadioButton>(&ranges, "optIcnRange")->setChecked(true);
    EXPECT_FALSE(Child<QSpinBox>(&ranges, "udIcnMin")->isEnabled());
    Child<QSpinBox>(&ranges, "udIcnMax")->setValue(1);
    EXPECT_EQ(ranges.FirstIcn(), 0);
    EXPECT_EQ(ranges.LastIcn(), 0);
    Child<QRadioButton>(&ranges, "optRteNone")->setChecked(true);
    EXPECT_EQ(ranges.FirstRte(), 0);
    EXPECT_EQ(ranges.LastRte(), -1);

    // An uploaded range with a gap erases the unit's slot.
    last->setValue(3);
    first->setValue(1);
    for (const char* none : {"optIcnNone", "optTrlNone"})
        Child<QRadioButton>(&ranges, none)->setChecked(true);
    ASSERT_TRUE(Run([&] { Click(&ranges, "btnUpload"); }));
    EXPECT_EQ(finished.last(), true);
    gpsdata::GPSData unitHolds;
    ASSERT_TRUE(ReadUnit(unitHolds));
    EXPECT_EQ(unitHolds.Waypoints().Keys(), (QList<qint16>{0, 2, 5}));

    // Waypoints 2 to 3 only: the others stay as they are in the data set.
    data.Waypoint(0)->SetWptName("MINE");
    first->setValue(2);
    ASSERT_TRUE(Run([&] { Click(&ranges, "btnDownload"); }));
    EXPECT_EQ(finished.last(), true);
    QList<qint16> keys = data.Waypoints().Keys();
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (QList<qint16>{0, 2, 5}));
    EXPECT_EQ(data.Waypoint(0)->WptName(), "MINE");

    // A trail the unit does not have, in the slot its own trail is in.
    const QStringList unitHeld = UnitContents();
    data.DeleteTrail(1);
    AddTrail(1, "Walk", 500, 130);
    const int waypoints = data.CountWaypoints();
    const gpsdata::RouteObject* route = data.Route(MakeRoute(1));
    ASSERT_TRUE(route);
    EXPECT_EQ(route->RteName(), "(Walk)");
    EXPECT_GT(route->NumWaypoints(), 2);
    EXPECT_LE(route->NumWaypoints(), data.MaxNumGPSWptsPerRoute());
    EXPECT_EQ(data.CountWaypoints(), waypoints + route->NumWaypoints());
    EXPECT_EQ(data.Waypoint(route->Waypoints().last())->X(), 499 * 130);
    EXPECT_EQ(UnitContents(), unitHeld);
    EXPECT_EQ(pod.Store().trails.Count(), 0);
    EXPECT_EQ(pod.Store().routes.Count(), 0);
    EXPECT_EQ(pod.Store().waypoints.Count(), 0);
}
