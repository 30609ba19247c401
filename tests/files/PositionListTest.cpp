#include "files/PositionListExport.h"
#include "files/PositionListImport.h"
#include "gpsdata/GPSData.h"
#include "support/QStringPrinter.h"
#include "support/RecordingPrompt.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace files;
using gpsdata::GPSData;
using Result = PositionListImport::Result;

namespace {

class PositionList : public ::testing::Test {
protected:
    Result Import(const QByteArray& text, bool route, const QString& name = "list.txt") {
        return PositionListImport(data, prompt)
            .Import(testing_support::WriteFile(dir.filePath(name), text), route);
    }

    QTemporaryDir dir;
    GPSData data;
    testing_support::RecordingPrompt prompt;
};

} // namespace

// The refusals, each on what the one before left: a missing file asks for
// another; the route limits, a line out of range and the last free waypoint
// each stop the import where they are met.
TEST_F(PositionList, ImportsStopAtAMissingFileTheRouteLimitsALineOutOfRangeOrNoFreeWaypoint) {
    const QString absent = dir.filePath("absent.txt");
    EXPECT_EQ(PositionListImport(data, prompt).Import(absent, true), Result::FileNotFound);
    EXPECT_EQ(prompt.Texts(),
              QStringList{absent + " was not found.\r\nPlease verify the correct file name was given."});
    EXPECT_EQ(data.CountRoutes(), 0);

    data.SetMaxNumGPSWptsPerRoute(2);
    prompt.shown.clear();
    EXPECT_EQ(Import("1 1\n2 2\n3 3\n", true), Result::Stopped);
    EXPECT_EQ(prompt.Texts(),
              QStringList{"No more route waypoints available.\r\nDelete some route waypoints and retry."});
    EXPECT_EQ(data.Route(0)->NumWaypoints(), 2);
    data.SetMaxNumGPSRoutes(1);
    prompt.shown.clear();
    EXPECT_EQ(Import("1 1\n", true), Result::Stopped);
    EXPECT_EQ(prompt.Texts(), QStringList{"Unable to find an empty route.\r\nDelete a route and retry."});

    const int before = data.CountWaypoints();
    prompt.shown.clear();
    EXPECT_EQ(Import("80 170\n81 171\n90.0001 0\n82 172\n", false), Result::Stopped);
    EXPECT_EQ(prompt.Texts(), QStringList{"Illegal latitude/longitude encountered on line 3\r\n"});
    EXPECT_EQ(data.CountWaypoints(), before + 2);
    data.SetMaxNumGPSWaypoints(before + 3);
    prompt.shown.clear();
    EXPECT_EQ(Import("83 173\n84 174\n85 175\n", false), Result::Stopped);
    EXPECT_EQ(prompt.Texts(),
              QStringList{"No more free waypoints.\r\nDelete some waypoints, and then retry."});
    EXPECT_EQ(data.CountWaypoints(), before + 3);
}

TEST_F(PositionList, ARouteIsNamedAfterTheFileAndReusesWaypointsAtTheSamePlace) {
    data.AddNewFileWaypoint(7, 0, 0, "Start", 0, 0, "", 0);
    data.Waypoint(7)->SetLatitude(10);
    data.Waypoint(7)->SetLongitude(20);
    EXPECT_EQ(Import("10.00005 20.00005\n11 21 Mid\n10 20 Start\n", true, "coast road trip.txt"),
              Result::Imported);
    ASSERT_EQ(data.CountRoutes(), 1);
    const auto* route = data.Route(0);
    EXPECT_EQ(route->RteName(), "Coast Road");
    EXPECT_EQ(route->Waypoints(), (QList<qint16>{7, 0, 7}));
    EXPECT_EQ(data.Waypoint(0)->WptName(), "Mid");
}

TEST_F(PositionList, AHandWrittenListWithBlanksAndTabsImportsToTheRightPlaces) {
    EXPECT_EQ(Import("45.5\t-122.25\tHome\r\n\r\n  -33.86880209    151.20929593  Opera  House\n"
                     "\t10 \t 20 lake_2?\n",
                     false),
              Result::Imported);
    EXPECT_TRUE(prompt.shown.isEmpty());
    ASSERT_EQ(data.CountWaypoints(), 3);
    EXPECT_EQ(data.Waypoint(0)->WptName(), "Home");
    EXPECT_NEAR(data.Waypoint(0)->Latitude(), 45.5, 1e-5);
    EXPECT_NEAR(data.Waypoint(0)->Longitude(), -122.25, 1e-5);
    EXPECT_NEAR(data.Waypoint(1)->Latitude(), -33.86880209, 1e-5);
    EXPECT_NEAR(data.Waypoint(1)->Longitude(), 151.20929593, 1e-5);
    EXPECT_TRUE(data.Waypoint(1)->WptName().startsWith("Opera")) << data.Waypoint(1)->WptName().toStdString();
    EXPECT_NEAR(data.Waypoint(2)->Latitude(), 10, 1e-5);
    EXPECT_NEAR(data.Waypoint(2)->Longitude(), 20, 1e-5);
    EXPECT_EQ(data.Waypoint(2)->WptName(), "Lake 2");
}

TEST_F(PositionList, WaypointsOnTheDateLineAndAtThePolesExportAndImportAgain) {
    const double corners[][2] = {{90, 180}, {-90, -180}, {0, 180}, {0, -180}};
    for (qint16 i = 0; i < 4; ++i) {
        data.AddNewFileWaypoint(i, 0, 0, QStringLiteral("C%1").arg(i), 0, 0, "", 0);
        data.Waypoint(i)->SetLatitude(corners[i][0]);
        data.Waypoint(i)->SetLongitude(corners[i][1]);
    }
    const QStringList lines = PositionListExport::WaypointLines(data, data.Waypoints().Keys(), true);
    EXPECT_EQ(lines[0], "90.00000000, 180.00000000, C0");
    EXPECT_EQ(lines[1], "-90.00000000, -180.00000000, C1");
    const QString path = dir.filePath("Output.TXT");
    ASSERT_EQ(PositionListExport::Save(path, lines), "");
    EXPECT_EQ(PositionListImport(data, prompt).Import(path, true), Result::Imported);
    EXPECT_TRUE(prompt.shown.isEmpty()) << prompt.Texts().join("|").toStdString();
    EXPECT_EQ(data.CountWaypoints(), 4);
    EXPECT_EQ(data.Route(0)->Waypoints(), (QList<qint16>{0, 1, 2, 3}));
}
