#include "mapview/UndoStack.h"
#include "carver/Carver.h"
#include "gpsdata/GPSData.h"
#include "support/DataSetRecords.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using gpsdata::GPSData;
using mapview::UndoStack;

namespace {

class UndoRedo : public ::testing::Test {
protected:
    // A command as the windows run it: the undo step first, then the change
    // (here: one more waypoint).
    void Command(const QString& name) {
        stack.PushUndoOperation(false, name);
        ASSERT_NE(data.AddNewWaypoint(false), nullptr);
    }
    void ExpectMenu(const QString& undo, bool undoEnabled, const QString& redo, bool redoEnabled) const {
        EXPECT_EQ(stack.UndoCaption(), undo);
        EXPECT_EQ(stack.UndoEnabled(), undoEnabled);
        EXPECT_EQ(stack.RedoCaption(), redo);
        EXPECT_EQ(stack.RedoEnabled(), redoEnabled);
    }
    int UndoAll() {
        int undos = 0;
        while (stack.UndoEnabled()) {
            stack.PerformUndoOperation();
            ++undos;
        }
        return undos;
    }

    GPSData data;
    UndoStack stack{data};
};

} // namespace

TEST_F(UndoRedo, UndosAndRedosWalkTheStatesAndANewCommandOrClearingDiscardsTheRedo) {
    ExpectMenu("Can't Undo", false, "Can't Redo", false);
    stack.PerformUndoOperation();
    stack.PerformRedoOperation();
    EXPECT_EQ(stack.Count(), 0);
    Command("Drop Waypoint");
    ExpectMenu("&Undo Drop Waypoint", true, "Can't Redo", false);
    Command("Paste");
    stack.PerformUndoOperation();
    ExpectMenu("&Undo Drop Waypoint", true, "&Redo Paste", true);
    stack.PerformUndoOperation();
    EXPECT_EQ(data.CountWaypoints(), 0);
    ExpectMenu("Can't Undo", false, "&Redo Drop Waypoint", true);
    stack.PerformRedoOperation();
    EXPECT_EQ(data.CountWaypoints(), 1);
    ExpectMenu("&Undo Drop Waypoint", true, "&Redo Paste", true);
    stack.PerformRedoOperation();
    EXPECT_EQ(data.CountWaypoints(), 2);
    ExpectMenu("&Undo Paste", true, "Can't Redo", false);

    // A new command after an undo discards the redo.
    stack.PerformUndoOperation();
    EXPECT_EQ(stack.Count(), 3); // with the state after the last command
    Command("Cut");
    EXPECT_EQ(stack.Count(), 2);
    ExpectMenu("&Undo Cut", true, "Can't Redo", false);
    stack.PerformRedoOperation();
    EXPECT_EQ(data.CountWaypoints(), 2);

    // Clearing empties the stack and leaves the data as it is.
    stack.PerformUndoOperation();
    stack.ClearUndoStack();
    EXPECT_EQ(stack.Count(), 0);
    ExpectMenu("Can't Undo", false, "Can't Redo", false);
    stack.PerformRedoOperation();
    EXPECT_EQ(data.CountWaypoints(), 1);
}

// The stack keeps fifty states: 49 undos, back to the first command or,
// after fifty-one, to the second.
TEST_F(UndoRedo, TheStackKeepsFiftyStates) {
    for (const auto& [commands, left] : {std::pair{50, 1}, std::pair{51, 2}}) {
        SCOPED_TRACE(commands);
        stack.ClearUndoStack();
        data.DeleteWaypoints();
        for (int i = 1; i <= commands; ++i)
            Command(QStringLiteral("Drop %1").arg(i));
        EXPECT_EQ(stack.Count(), 50);
        EXPECT_EQ(UndoAll(), 49);
        EXPECT_EQ(data.CountWaypoints(), left);
        ExpectMenu("Can't Undo", false, QStringLiteral("&Redo Drop %1").arg(left + 1), true);
        while (stack.RedoEnabled())
            stack.PerformRedoOperation();
        EXPECT_EQ(data.CountWaypoints(), commands);
    }
}

// Edits made after a step, with or without a step of their own, never reach it.
TEST_F(UndoRedo, SnapshotsAreCopiesThatLaterEditsDoNotReach) {
    Command("Drop Waypoint");
    stack.PerformUndoOperation();
    stack.PerformRedoOperation();
    data.Waypoint(0)->SetWptName("EDITED WITHOUT A STEP");
    stack.PerformUndoOperation();
    stack.PerformRedoOperation();
    EXPECT_NE(data.Waypoint(0)->WptName(), "EDITED WITHOUT A STEP");

    const auto held = data.Waypoints().begin()->object; // a window keeping the waypoint
    gpsdata::WaypointObject* live = held.get();
    const QString name = live->WptName();
    stack.PushUndoOperation(false, "Move Waypoint");
    live->SetWptName("MOVED");
    live->SetX(12345);
    stack.PerformUndoOperation();
    ASSERT_NE(data.Waypoint(0), nullptr);
    EXPECT_NE(data.Waypoint(0), live);
    EXPECT_EQ(data.Waypoint(0)->WptName(), name);
    EXPECT_EQ(data.Waypoint(0)->X(), 0);
}

TEST_F(UndoRedo, UndoRestoresEveryKindTheLimitsAndTheEditedLeg) {
    data.AddRoute(3, "Lake", {0, 0});
    data.AddLurchIcon(4, 100, 200, 5);
    data.AddTrail(1, "TRACK", 10, 20, {1, 2}, {3, 4});
    data.SetEditingRouteLeg(2);
    const QStringList before = testing_support::DataSetRecords(data);
    stack.PushUndoOperation(false, "Download Waypoints");
    data.DeleteRoutes();
    data.DeleteIcons();
    data.DeleteTrails();
    data.SetEditingRouteLeg(0);
    data.SetMaxNumGPSWaypoints(500);
    data.SetMaxNumGPSTrailDeltas(1000);

    int listEvents = 0;
    for (auto signal : {&GPSData::WaypointListModified, &GPSData::RouteListModified,
                        &GPSData::IconListModified, &GPSData::TrailListModified})
        QObject::connect(&data, signal, [&] { ++listEvents; });
    stack.PerformUndoOperation();
    EXPECT_GE(listEvents, 4);
    EXPECT_EQ(testing_support::DataSetRecords(data), before);
    EXPECT_EQ(data.EditingRouteLeg(), 2);
    EXPECT_EQ(data.MaxNumGPSWaypoints(), 999);
    EXPECT_EQ(data.MaxNumGPSTrailDeltas(), 3000);
}

// The steps of map operations take their borders back and bring them again;
// the other steps leave the borders alone.
TEST_F(UndoRedo, AMapOperationTakesItsBordersBackAndBringsThemAgain) {
    Carver carver;
    stack.SetBorders(&carver);
    int restored = 0;
    QObject::connect(&stack, &UndoStack::BordersRestored, [&restored] { ++restored; });
    const auto addBorder = [&carver](int x) {
        carver.KAddPolyline(1);
        for (const QPoint p : {QPoint(x, 0), QPoint(x + 10, 0), QPoint(x, 10)})
            carver.KAddPolyPoint(p.x(), p.y());
    };
    addBorder(0); // drawn by hand: no step
    const QList<carver::Border> drawn = carver.Borders();
    stack.PushUndoOperation(true, "Merge Map");
    addBorder(100);
    const QList<carver::Border> merged = carver.Borders();
    Command("Drop Waypoint");

    stack.PerformUndoOperation();
    EXPECT_EQ(carver.Borders(), merged);
    stack.PerformUndoOperation();
    EXPECT_EQ(carver.Borders(), drawn);
    stack.PerformRedoOperation();
    EXPECT_EQ(carver.Borders(), merged);
    stack.PerformRedoOperation();
    EXPECT_EQ(carver.Borders(), merged);
    EXPECT_EQ(data.CountWaypoints(), 1);
    EXPECT_EQ(restored, 2);
}
