#include "DataSetRecorder.h"
#include "LayoutWriter.h"
#include "files/GPSDataFile.h"
#include "gpsdata/GPSData.h"
#include "support/QStringPrinter.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using files::GPSDataFile;
using gpsdata::GPSData;

namespace {

const QString CrLf = "\r\n";
constexpr quint8 FileHeaderCartridgeMark = 0x55;

class SectionedRead : public ::testing::Test {
protected:
    // Loads `bytes` as a file and records what the data set says.
    void Open(const QByteArray& bytes, bool connected = false) {
        path = testing_support::WriteFile(dir.filePath("data.nrv"), bytes);
        data.SetPath(path);
        GPSDataFile(data).OpenFile(connected);
    }
    void Open(const SectionedFile& file, bool connected = false) { Open(file.Bytes(), connected); }
    // A file of these sections, in this order, after the usual header.
    void Open(std::initializer_list<std::pair<qint32, QByteArray>> sections, bool connected = false) {
        SectionedFile file;
        for (const auto& [type, bytes] : sections)
            file.Add(type, bytes);
        Open(file, connected);
    }

    QString OpenError(const QString& reason) const { return "Error opening " + path + CrLf + reason; }

    QTemporaryDir dir;
    QString path;
    GPSData data;
    DataSetRecorder seen{data};
};

const QStringList AllLists = {"Icon", "Route", "Trail", "Waypoint"};

QByteArray OlderWaypoint(const QByteArray& name, qint16 symbol, qint16 inUse, double lat, double lon,
                         qint32 date = 0) {
    LayoutWriter w;
    w.Fixed(name, 12).I32(date).I16(symbol).I16(inUse).F64(lat).F64(lon);
    return w.Bytes();
}

// A route record whose legs are ordinary waypoints 0, 1, 2 ...
QByteArray Route(const QByteArray& name, int legs, qint16 aviation = 0, int firstIndex = 0) {
    LayoutWriter w;
    w.Fixed(name, 12).I16(qint16(legs));
    for (int j = 0; j < legs; ++j)
        w.I16(aviation).I16(qint16(firstIndex + j));
    return w.Bytes();
}

QByteArray Pairs(const QList<QPair<qint32, qint32>>& pairs) {
    LayoutWriter w;
    w.I16(qint16(pairs.size()));
    for (const auto& [k, v] : pairs)
        w.I32(k).I32(v);
    return w.Bytes();
}

} // namespace

// ---- header

// Nothing of a file refused at its header reaches the data set.
TEST_F(SectionedRead, AFileRefusedAtItsHeaderLeavesTheDataSetAlone) {
    data.AddNewWaypoint(false);
    data.SetDirty(false);
    LayoutWriter cartridge;
    cartridge.I8(FileHeaderCartridgeMark).Raw(QByteArray(85, 'C')).Raw(QByteArray(40, '\xff'));
    const QString end = "Unexpected end of file encountered";
    QList<std::pair<QByteArray, QString>> cases = {
        {cartridge.Bytes(), "The file appears to be a cartridge file."},
        {QByteArray(), end},
        {QByteArray::fromHex("056162"), end},
        {QByteArray("\x00\x00\x00\x00\xff", 5), end}};
    for (quint32 seed = 1; seed <= 20; ++seed) {
        QRandomGenerator random(seed);
        QByteArray bytes(4096, '\0');
        random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
        if (quint8(bytes[0]) != FileHeaderCartridgeMark)
            cases.append({bytes, "The file is not a GPS data file."});
    }
    for (const auto& [bytes, reason] : cases) {
        seen.errors.clear();
        Open(bytes);
        EXPECT_EQ(seen.errors, QStringList{OpenError(reason)}) << bytes.left(8).toHex().constData();
        EXPECT_EQ(data.CountWaypoints(), 1);
        EXPECT_FALSE(data.Dirty());
        EXPECT_TRUE(seen.lists.isEmpty());
    }
    seen.errors.clear();
    data.SetPath(dir.filePath("absent.nrv"));
    GPSDataFile(data).OpenFile(false);
    path = data.Path();
    EXPECT_EQ(seen.errors, QStringList{OpenError("The file cannot be opened.")});
    EXPECT_EQ(data.CountWaypoints(), 1);
}

TEST_F(SectionedRead, NegativeVersionsAreReadOthersRefusedWithTheFourLineText) {
    const QString text =
        "File version not supported." + CrLf + "Load the file with KTR and save it in order to" + CrLf +
        "convert it to the new format." + CrLf + "You can download KTR from the Norvane website for free.";
    for (qint16 version : {-2, -1, 0, 1}) {
        data.NewGPSDataFile();
        seen.errors.clear();
        SectionedFile f("Trip", version);
        f.Add(9, Counted(1, Waypoint9(0, "A")));
        Open(f);
        EXPECT_EQ(seen.errors, version < 0 ? QStringList() : QStringList{text}) << version;
        EXPECT_EQ(data.CountWaypoints(), version < 0 ? 1 : 0) << version;
        if (version < 0) {
            EXPECT_EQ(data.Description(), "Trip");
        }
    }
}

// ---- directory

// Then sections of types not ours, and a header whose 85-byte path starts
// with a zero byte (no cartridge mark after all).
TEST_F(SectionedRead, AnEmptyDirectoryGivesAnEmptyCleanDataSetAndWhatIsNotOursIsSkipped) {
    data.AddNewWaypoint(false);
    Open(SectionedFile());
    EXPECT_EQ(data.CountWaypoints(), 0);
    EXPECT_FALSE(data.Dirty());
    EXPECT_EQ(seen.lists, AllLists);

    Open({{3, "garbage"},
          {7, QByteArray(50, '\xff')},
          {8, ""},
          {12345, "x"},
          {9, Counted(1, Waypoint9(0, "A"))}});
    EXPECT_EQ(data.CountWaypoints(), 1);

    seen.lists.clear();
    LayoutWriter w;
    w.I8(0x55).Raw(QByteArray(85, '\0')).Text8("").Text8("").Text8("").I16(-1).I32(-1).I32(0).I32(0);
    Open(w.Bytes());
    EXPECT_EQ(seen.lists, AllLists);
    EXPECT_TRUE(seen.errors.isEmpty()) << seen.errors.join("|").toStdString();
}

TEST_F(SectionedRead, ADirectoryOrASectionRunningOffTheEndKeepsWhatWasReadAndSaysSo) {
    // Sections may stand anywhere: this one is the header's description, so
    // that the directory can be the end of the file.
    const QByteArray section = Counted(1, Waypoint9(3, "Home"));
    LayoutWriter w;
    w.Text8("C:\\data\\test.nrv").Text8("").Text8("");
    w.I8(quint8(section.size()));
    const qint32 position = w.Next();
    w.Raw(section).I16(-1);
    w.I32(9).I32(position).I32(qint32(section.size())).I32(4).I32(0);
    Open(w.Bytes());
    EXPECT_EQ(seen.errors, QStringList{OpenError("Unexpected end of file encountered")});
    EXPECT_EQ(data.CountWaypoints(), 1);
    EXPECT_TRUE(data.Dirty());
    EXPECT_EQ(seen.lists, AllLists);

    // So does a section cut short.
    seen.errors.clear();
    const QByteArray two = Counted(2, Waypoint9(0, "A") + Waypoint9(1, "B"));
    SectionedFile f;
    f.Add(9, two.left(two.size() - 3));
    Open(f.Bytes().left(f.Bytes().size() - 3));
    EXPECT_EQ(seen.errors, QStringList{OpenError("Unexpected end of file encountered")});
    EXPECT_EQ(data.CountWaypoints(), 1);
}

TEST_F(SectionedRead, ASectionOutsideTheFileOrListedTwiceIsADamagedDirectory) {
    QList<std::pair<QByteArray, QString>> cases;
    for (const auto& [type, position] :
         {std::pair{9, 100000}, {5, 0}, {5, -5}, {5, std::numeric_limits<qint32>::min()}}) {
        LayoutWriter w;
        w.Header().I32(type).I32(position).I32(10).I32(-1).I32(0).I32(0);
        cases.append({w.Bytes(), "Unexpected end of file encountered"});
    }
    LayoutWriter twice;
    twice.Header();
    const qint32 first = twice.Next();
    twice.I32(9).I32(0).I32(0).I32(9).I32(0).I32(0).I32(-1).I32(0).I32(0);
    const qint32 section = twice.Next();
    twice.Raw(Counted(1, Waypoint9(0, "A")));
    twice.Patch(first + 4, section);
    twice.Patch(first + 16, section);
    cases.append({twice.Bytes(), "The file's directory refers to the same data twice."});
    for (const auto& [bytes, reason] : cases) {
        seen.errors.clear();
        Open(bytes);
        EXPECT_EQ(seen.errors, QStringList{OpenError(reason)}) << bytes.toHex().constData();
    }
}

// ---- waypoints

// Symbols up to two above the last pass with a message; waypoints beyond the
// limit are not read.
TEST_F(SectionedRead, Type9WaypointsKeepTheirFieldsUpToTheLimit) {
    data.SetMaxNumGPSWaypoints(3);
    Open({{9, Counted(4, Waypoint9(7, "home base", 3, 1, "gate code 12", -5, 6, 86400) +
                             Waypoint9(4, "A", 29) + Waypoint9(5, "B", 30) + QByteArray(5, '\xff'))}});
    EXPECT_EQ(seen.errors,
              (QStringList{"Waypoints after waypoint #3 ignored.", "Illegal icon symbol for waypoint #6."}));
    ASSERT_EQ(data.CountWaypoints(), 3);
    // Its record: index, name, X, Y, symbol, the date (a day after 1970 began), type, comment.
    EXPECT_EQ(data.Waypoint(7)->MakeString(), "Wpt\t7\tHome Base\t-5\t6\t3\t25570\t1\tgate code 12");
    EXPECT_EQ(data.Waypoints().KeyAt(0), 7);
    EXPECT_EQ(data.Waypoint(4)->WptSymbol(), 29);
    EXPECT_EQ(data.Waypoint(5)->WptSymbol(), 30);
    EXPECT_FALSE(data.Dirty());
}

TEST_F(SectionedRead, OlderWaypointsUseTheirSlotAndSkipUnusedOnes) {
    Open({{2, Counted(3, OlderWaypoint("ONE", 1, 1, 45.5, -122.25, 3600) + OlderWaypoint("TWO", 1, 0, 1, 1) +
                             OlderWaypoint("THREE", 28, -1, -10, 20))}});
    ASSERT_EQ(data.CountWaypoints(), 2);
    EXPECT_EQ(data.Waypoint(0)->WptName(), "One");
    EXPECT_NEAR(data.Waypoint(0)->Latitude(), 45.5, 1e-5);
    EXPECT_NEAR(data.Waypoint(0)->Longitude(), -122.25, 1e-5);
    EXPECT_EQ(data.Waypoint(0)->FileDate(), 3600);
    EXPECT_EQ(data.Waypoint(1), nullptr);
    EXPECT_EQ(data.Waypoint(2)->WptSymbol(), 28);
    EXPECT_EQ(seen.errors, QStringList{"Illegal icon symbol for waypoint #3."});
}

// A negative text length, or an older waypoint without a position.
TEST_F(SectionedRead, AWaypointThatCannotBeReadIsAWaypointError) {
    LayoutWriter negative;
    negative.I16(1).I16(-3).Raw(QByteArray(40, '\0'));
    QList<std::pair<qint32, QByteArray>> sections = {{9, negative.Bytes()}};
    for (double lat : {std::nan(""), 91.0, -90.5})
        sections.append({2, Counted(1, OlderWaypoint("X", 0, 1, lat, 0))});
    for (const auto& [type, bytes] : sections) {
        seen.errors.clear();
        Open({{type, bytes}});
        EXPECT_EQ(seen.errors, QStringList{OpenError("Error loading Waypoints")})
            << bytes.toHex().constData();
        EXPECT_TRUE(data.Dirty());
    }
}

// ---- product information

TEST_F(SectionedRead, ProductInformationSetsTheLimitsAndSymbolsUnlessAUnitIsConnected) {
    const QList<QPair<qint32, qint32>> pairs = {{2, 500}, {3, 250},  {4, 40},   {5, 20}, {6, 1000}, {7, 30},
                                                {8, 5},   {9, 1500}, {1003, 0}, {10, 7}, {1000, 0}, {0, 3}};
    Open({{1, Pairs(pairs)}});
    EXPECT_TRUE(seen.errors.isEmpty()) << seen.errors.join("|").toStdString();
    EXPECT_EQ((QList<int>{data.MaxNumGPSWaypoints(), data.MaxNumGPSIcons(), data.MaxNumGPSIconSymbols(),
                          data.MaxNumGPSRoutes(), data.MaxNumGPSRouteWaypoints(),
                          data.MaxNumGPSWptsPerRoute(), data.MaxNumGPSTrails(), data.MaxNumGPSTrailDeltas()}),
              (QList<int>{500, 250, 40, 20, 1000, 30, 5, 1500}));
    EXPECT_FALSE(data.ValidSymbol(3));
    EXPECT_TRUE(data.ValidSymbol(0)); // key 1000 is not a symbol key

    // A connected unit keeps its own limits and description.
    data.SetDescription("unit");
    SectionedFile f("file");
    f.Add(1, Pairs({{2, 10}, {1, 4242}}));
    Open(f, true);
    EXPECT_TRUE(seen.errors.isEmpty());
    EXPECT_EQ(data.MaxNumGPSWaypoints(), 500);
    EXPECT_EQ(data.Description(), "unit");
}

// The unknown product twice: a file refused once is refused when opened
// again. A negative limit is refused by name.
TEST_F(SectionedRead, AnUnknownProductAWideValueOrANegativeLimitIsAProductError) {
    const QString product = "Error loading Product Information";
    const QString negative = "The file gives a negative maximum number of %1 (-3).";
    const QList<std::pair<QList<QPair<qint32, qint32>>, QString>> cases = {
        {{{1, 4242}}, product},
        {{{1, 4242}}, product},
        {{{2, 40000}}, product},
        {{{3, -40000}}, product},
        {{{2, -3}}, negative.arg("waypoints")},
        {{{4, -3}}, negative.arg("icon symbols")},
        {{{7, -3}}, negative.arg("waypoints per route")},
        {{{9, -3}}, negative.arg("trail points")}};
    for (const auto& [pairs, reason] : cases) {
        seen.errors.clear();
        Open({{1, Pairs(pairs)}, {9, Counted(1, Waypoint9(0, "A"))}});
        EXPECT_EQ(seen.errors, QStringList{OpenError(reason)}) << pairs[0].first;
        EXPECT_EQ(data.CountWaypoints(), 0) << "reading stops at the failed section";
    }
}

TEST_F(SectionedRead, LimitsAfterTheDataOrBelowItCutNothing) {
    QByteArray waypoints;
    for (qint16 i = 0; i < 6; ++i)
        waypoints += Waypoint9(i, "W");
    LayoutWriter trail;
    trail.I16(1).I16(0).Text16("T").I16(3);
    for (int i = 0; i < 3; ++i)
        trail.I32(i).I32(i).I16(1);
    Open({{9, Counted(6, waypoints)},
          {4, Counted(1, Route("R", 4))},
          {10, trail.Bytes()},
          {1, Pairs({{2, 2}, {5, 0}, {6, 1}, {7, 1}, {9, 1}})}});
    EXPECT_TRUE(seen.errors.isEmpty()) << seen.errors.join("|").toStdString();
    EXPECT_TRUE(seen.warnings.isEmpty()) << seen.warnings.join("|").toStdString();
    EXPECT_EQ(data.CountWaypoints(), 6);
    ASSERT_NE(data.Route(0), nullptr);
    EXPECT_EQ(data.Route(0)->NumWaypoints(), 4);
    EXPECT_EQ(data.Trail(0)->NumPoints(), 3);
    EXPECT_EQ(data.MaxNumGPSWaypoints(), 2);
    EXPECT_EQ(data.MaxNumGPSRoutes(), 0);
    EXPECT_EQ(data.MaxNumGPSWptsPerRoute(), 1);
    EXPECT_FALSE(data.Dirty());
}

// ---- routes

// An aviation leg needs its waypoint even when it comes later; routes beyond
// the slot limit stop the routes but not the sections after them.
TEST_F(SectionedRead, RoutesTakeTheirSlotWithinTheLimits) {
    data.SetMaxNumGPSWaypoints(5);
    data.SetMaxNumGPSWptsPerRoute(4);
    data.SetMaxNumGPSRoutes(6);
    const qint16 aviation = qint16(0xE005);
    LayoutWriter fly, gone;
    fly.Fixed("FLY", 12).I16(1).I16(-1).I16(aviation);
    gone.Fixed("GONE", 12).I16(1).I16(-1).I16(qint16(0xE006));
    Open({{4, Counted(7, Route("LAKE", 3) + Route("", 0) + Route("BAD", 3, 0, 5) + Route("22ND ST", 6, 0, 1) +
                             fly.Bytes() + gone.Bytes() + Route("G", 1))},
          {9, Counted(2, Waypoint9(0, "W") + Waypoint9(aviation, "KPDX"))}});
    EXPECT_EQ(seen.errors,
              (QStringList{"Illegal waypoint found" + CrLf + "in route #3. Route deleted.",
                           "Waypoints in route #4 after" + CrLf + "waypoint #4 ignored.",
                           "Illegal Aviation waypoint found" + CrLf + "in route #6. Route deleted.",
                           "Routes after route #6 ignored."}));
    ASSERT_EQ(data.CountRoutes(), 3);
    EXPECT_EQ(data.Route(0)->RteName(), "Lake");
    EXPECT_EQ(data.Route(0)->Waypoints(), (QList<qint16>{0, 1, 2}));
    EXPECT_EQ(data.Route(3)->RteName(), "22nd St");
    EXPECT_EQ(data.Route(3)->Waypoints(), (QList<qint16>{1, 2, 3, 4}));
    EXPECT_TRUE(data.Route(4)->LegIsJeppesen(0));
    EXPECT_EQ(data.CountWaypoints(), 2);
}

// 25 routes of 90 legs: without a unit the route waypoint limit grows in steps
// of a hundred; with one connected the routes stop at its limit and the route
// under way is lost.
TEST_F(SectionedRead, RouteWaypointsBeyondTheLimitGrowItOrStopAtAConnectedUnitsLimit) {
    QByteArray routes;
    for (int k = 0; k < 25; ++k)
        routes += Route("R", 90);
    Open({{4, Counted(25, routes)}});
    EXPECT_TRUE(seen.errors.isEmpty()) << seen.errors.join("|").toStdString();
    EXPECT_EQ(data.CountRouteWpts(), 2250);
    EXPECT_EQ(data.MaxNumGPSRouteWaypoints(), 2300);

    data.NewGPSDataFile();
    data.SetMaxNumGPSRouteWaypoints(2000);
    Open({{4, Counted(25, routes)}, {9, Counted(1, Waypoint9(0, "W"))}}, true);
    EXPECT_EQ(seen.errors, QStringList{"Maximum number of total route waypoints" + CrLf +
                                       "reached.  Remaining route waypoints ignored."});
    EXPECT_EQ(data.CountRoutes(), 22);
    EXPECT_EQ(data.CountRouteWpts(), 1980);
    EXPECT_EQ(data.MaxNumGPSRouteWaypoints(), 2000);
    EXPECT_EQ(data.CountWaypoints(), 1) << "the other sections are still read";
    EXPECT_FALSE(data.Dirty());
}

// ---- icons

TEST_F(SectionedRead, IconsTakeTheirSlotsAndInvalidSymbolsTheDefault) {
    data.SetDefaultSymbol(5);
    data.SetMaxNumGPSIcons(2);
    LayoutWriter icons;
    icons.I16(3).I16(1).F64(45.5).F64(-122.25).I16(28).F64(0).F64(0).I16(2).F64(1).F64(1);
    Open({{5, icons.Bytes()}});
    EXPECT_EQ(seen.errors, (QStringList{"Icons after icon #2 ignored.",
                                        "Icon symbol invalid. Changed to default symbol."}));
    ASSERT_EQ(data.CountIcons(), 2);
    EXPECT_EQ(data.Icon(0)->IcnSymbol(), 1);
    EXPECT_NEAR(data.Icon(0)->Latitude(), 45.5, 1e-5);
    EXPECT_EQ(data.Icon(1)->IcnSymbol(), 5);
}

// ---- trails

// The second trail has the limit of deltas and keeps one fewer.
TEST_F(SectionedRead, OlderTrailsAreDeltasFromTheStartNamedBySlotAndKeepOneFewerThanTheLimit) {
    data.SetMaxNumGPSTrailDeltas(10);
    LayoutWriter t;
    t.I16(2).I32(100).I32(200).I16(2).I16(5).I16(0).I16(-5).I16(10);
    t.I32(0).I32(0).I16(10);
    for (int i = 0; i < 10; ++i)
        t.I16(1).I16(1);
    Open({{6, t.Bytes()}, {9, Counted(1, Waypoint9(0, "A"))}});
    EXPECT_EQ(seen.errors, QStringList{"Trail #2 deltas after" + CrLf + "delta 10 ignored."});
    const auto* trail = data.Trail(0);
    ASSERT_NE(trail, nullptr);
    EXPECT_EQ(trail->TrlName(), "Trl 001*");
    ASSERT_EQ(trail->NumPoints(), 3);
    EXPECT_EQ(trail->PointX(1), 105);
    EXPECT_EQ(trail->PointY(2), 210);
    EXPECT_TRUE(trail->Continuous(0));
    ASSERT_NE(data.Trail(1), nullptr);
    EXPECT_EQ(data.Trail(1)->NumPoints(), 10);
    EXPECT_EQ(data.CountWaypoints(), 1) << "the skipped deltas are stepped over";
}

TEST_F(SectionedRead, TrailsKeepIndexNameAndContinuousFlags) {
    LayoutWriter t;
    t.I16(3).I16(1).Text16("Morning walk").I16(2).I32(1).I32(2).I16(-1).I32(3).I32(4).I16(0);
    t.I16(0).Text16("").I16(0);
    t.I16(1).Text16("cut").I16(0);
    Open({{10, t.Bytes()}});
    EXPECT_EQ(seen.errors, QStringList{"Plot trails after trail #2 ignored."});
    ASSERT_EQ(data.CountTrails(), 2);
    const auto* trail = data.Trail(1);
    EXPECT_EQ(trail->TrlName(), "Morning walk");
    EXPECT_EQ(trail->NumPoints(), 2);
    EXPECT_TRUE(trail->Continuous(0));
    EXPECT_FALSE(trail->Continuous(1));
    EXPECT_EQ(trail->PointY(1), 4);
    EXPECT_EQ(data.Trail(0)->NumPoints(), 0);
}
