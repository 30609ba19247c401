#include "DataSetRecorder.h"
#include "files/GpxFile.h"
#include "files/GpxReader.h"
#include "files/GpxSymbols.h"
#include "files/GpxWriter.h"
#include "support/DataSetRecords.h"
#include "support/QStringPrinter.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace files;

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
};

ToolRun RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAll()};
}

} // namespace

// Names come back as they were but for what no XML can hold: control
// characters are left out and broken surrogates replaced, so the file stays
// readable. Positions are decimals without exponent that read back exactly.
TEST(GpxRoundTrip, NamesAndPositionsComeBackAsTheyWere) {
    GpxDocument doc;
    const double values[][2] = {{0.00001, -0.000001},
                                {-89.99999999999999, 179.99999999999997},
                                {-33.8688197, 151.2092955},
                                {1e-300, -0.0},
                                {90, -180}};
    for (const auto& v : values) {
        GpxPoint p;
        p.latitude = v[0];
        p.longitude = v[1];
        p.name = QString::fromUtf8("A&B <\"x\"> \u00e9\U0001F600");
        p.comment = "line one\r\nline two";
        doc.waypoints << p;
    }
    doc.waypoints[1].name = QString("Be") + QChar(0x01) + "ll" + QChar(0xD800);
    const QByteArray text = GpxWriter::Write(doc);
    EXPECT_FALSE(text.contains("e-")) << text.constData();
    const auto back = GpxReader::Read(text);
    ASSERT_TRUE(back.error.isEmpty()) << back.error.toStdString();
    ASSERT_EQ(back.document.waypoints.size(), std::size(values));
    for (qsizetype i = 0; i < back.document.waypoints.size(); ++i) {
        EXPECT_EQ(back.document.waypoints[i].latitude, values[i][0]);
        EXPECT_EQ(back.document.waypoints[i].longitude, values[i][1]);
    }
    EXPECT_EQ(back.document.waypoints[0].name, doc.waypoints[0].name);
    EXPECT_EQ(back.document.waypoints[0].comment, doc.waypoints[0].comment);
    EXPECT_EQ(back.document.waypoints[1].name, QString("Bell") + QChar(QChar::ReplacementCharacter));
}

// Text is gathered across entities, CDATA and child elements; a wpt is a
// waypoint only directly under gpx, a trkpt only in a trkseg; unknown
// elements and foreign extensions are skipped.
TEST(GpxRead, TakesWhatStandsInItsPlaceAndSkipsTheRest) {
    const auto r = GpxReader::Read(
        "<gpx xmlns='http://www.topografix.com/GPX/1/0' xmlns:x='urn:x'>\n<author>me</author>"
        "<wpt lat=' 1.5 ' lon='2'><ele>5</ele><name> Caf&#233; <b>&amp;</b><![CDATA[ <Bar>]]> </name>"
        "<extensions><x:index>9</x:index></extensions></wpt><foo><wpt lat='1' lon='2'/></foo>"
        "<trk><trkpt lat='1' lon='2'/><trkseg><x><trkpt lat='1' lon='2'/></x>"
        "<trkpt lat='3' lon='4'><name>n</name></trkpt></trkseg></trk></gpx>");
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    ASSERT_EQ(r.document.waypoints.size(), 1);
    EXPECT_EQ(r.document.waypoints[0].latitude, 1.5);
    EXPECT_EQ(r.document.waypoints[0].name, QString::fromUtf8("Caf\u00e9 & <Bar>"));
    EXPECT_FALSE(r.document.waypoints[0].index.has_value());
    ASSERT_EQ(r.document.tracks.size(), 1);
    ASSERT_EQ(r.document.tracks[0].segments.size(), 1);
    ASSERT_EQ(r.document.tracks[0].segments[0].size(), 1);
    EXPECT_EQ(r.document.tracks[0].segments[0][0].longitude, 4);
}

TEST(GpxMalformed, BrokenXmlOrAPointWithoutAPositionFailsAsAWholeNamingTheLineOtherRootsNotAtAll) {
    const QByteArray text =
        "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\">\n<wpt lat=\"1\" lon=\"2\"><name>A</name></wpt>\n"
        "<wpt lat=\"1\" lon=\"2\"><name>B</nam></wpt>\n</gpx>\n";
    const auto r = GpxReader::Read(text);
    EXPECT_TRUE(r.error.startsWith("Line 4: ")) << r.error.toStdString();
    EXPECT_TRUE(r.document.waypoints.isEmpty());
    // So does a point without a position; a position takes a sign and blanks but nothing else.
    const auto latitude = [](const QByteArray& value) -> std::optional<double> {
        const auto r = GpxReader::Read("<gpx>\n<wpt lat=\"" + value + "\" lon=\"0\"/>\n</gpx>");
        EXPECT_TRUE(r.error.isEmpty() || r.error.startsWith("Line 2: ")) << r.error.toStdString();
        return r.error.isEmpty() ? std::optional(r.document.waypoints.value(0).latitude) : std::nullopt;
    };
    EXPECT_EQ(latitude(" +45.25 "), 45.25);
    EXPECT_EQ(latitude("-1e1"), -10);
    for (const char* bad : {"", "45.25x", "nan", "inf", "90.5", "0x10", "4 5", "++1"})
        EXPECT_EQ(latitude(bad), std::nullopt) << bad;
    EXPECT_TRUE(GpxReader::Read("<gpx>\n<wpt lat=\"1\"/>\n</gpx>").error.startsWith("Line 2: "));
    EXPECT_FALSE(GpxReader::Read("<kml/>").error.isEmpty());
    EXPECT_FALSE(GpxReader::Read("").error.isEmpty());
}

// ---- the data set through GPX

namespace {

class GpxDataSet : public ::testing::Test {
protected:
    void SetUp() override {
        data.AddNewFileWaypoint(4, 1000, -2000, "Home", 3, 86400, "Front door", 1);
        data.AddNewFileWaypoint(9, 5000, 6000, "Lake", 2, 0, "", 0);
        data.AddRoute(2, "To Lake", {4, 9, 4});
        data.AddFileIcon(5, 6, 10, 20);
        data.AddTrail(1, "Walk", 0, 0, {1, 2, 3, 4}, {5, 6, 7, 8}, QList<bool>{true, true, false, true});
        data.SetDescription("Trip");
    }

    QTemporaryDir dir;
    gpsdata::GPSData data;
};

} // namespace

// Another program's file takes free slots within the limits: the route's
// second point finds no slot.
TEST_F(GpxDataSet, AnotherProgramsSymbolsDescriptionsAndNamesAreKeptAndWrittenBack) {
    const QString path = testing_support::WriteFile(
        dir.filePath("other.gpx"),
        "<gpx><wpt lat='1' lon='1'><name>Caf\xc3\xa9 Z\xc3\xbcrich</name><cmt>north gate</cmt>"
        "<desc>open late</desc><sym>Flag, Red</sym></wpt>"
        "<wpt lat='2' lon='2'><name>mixed CASE name</name><desc>only desc</desc><sym>boat ramp</sym></wpt>"
        "<wpt lat='3' lon='3'><name>x</name><cmt>same</cmt><desc>same</desc><sym>Unknown Thing</sym></wpt>"
        "<rte><name>my Route</name><rtept lat='1' lon='1'><name>Caf\xc3\xa9 Z\xc3\xbcrich</name></rtept>"
        "<rtept lat='5' lon='5'/></rte></gpx>");
    gpsdata::GPSData other;
    other.SetDefaultSymbol(5);
    other.SetMaxNumGPSWaypoints(3);
    DataSetRecorder seen(other);
    ASSERT_TRUE(GpxFile::Open(other, path));
    EXPECT_EQ(seen.errors, QStringList{"Waypoints after waypoint #3 ignored."});
    EXPECT_EQ(other.Waypoints().Keys(), (QList<qint16>{0, 1, 2}));
    const auto* cafe = other.Waypoint(0);
    EXPECT_EQ(cafe->WptName(), QString::fromUtf8("Caf\u00e9 Z\u00fcrich"));
    EXPECT_EQ(cafe->Comment, "north gate - open late");
    EXPECT_EQ(cafe->WptSymbol(), 11) << "the nearest of ours is the flag";
    EXPECT_EQ(other.Waypoint(1)->WptName(), "mixed CASE name");
    EXPECT_EQ(other.Waypoint(1)->Comment, "only desc");
    EXPECT_EQ(other.Waypoint(1)->WptSymbol(), 13);
    EXPECT_EQ(other.Waypoint(2)->Comment, "same");
    EXPECT_EQ(other.Waypoint(2)->WptSymbol(), 5) << "no name near it: the default symbol";
    ASSERT_NE(other.Route(0), nullptr);
    EXPECT_EQ(other.Route(0)->RteName(), "my Route");
    EXPECT_EQ(other.Route(0)->Waypoints(), QList<qint16>{0}) << "the route point is the named waypoint";

    const QString saved = dir.filePath("saved.gpx");
    ASSERT_TRUE(GpxFile::Save(other, saved));
    const QByteArray text = testing_support::ReadFile(saved);
    EXPECT_TRUE(text.contains("<sym>Flag, Blue</sym>"));
    EXPECT_TRUE(text.contains("<sym>Boat Ramp</sym>"));
    EXPECT_TRUE(text.contains("<name>Caf\xc3\xa9 Z\xc3\xbcrich</name>"));
}

TEST(GpxSymbolNames, EveryNameWeWriteReadsBackAndOthersFindTheNearest) {
    for (int symbol = 0; !GpxSymbols::Name(symbol).isEmpty(); ++symbol)
        EXPECT_EQ(GpxSymbols::Symbol(GpxSymbols::Name(symbol)), symbol) << symbol;
    const QList<QPair<QString, std::optional<int>>> nearest = {
        {"Diver Down Flag 2", 17},         {"GAS STATION", 21},  {"Fuel", 21},
        {"Fishing Hot Spot Facility", 16}, {"Triangle, Red", 8}, {"", std::nullopt},
        {"Geocache", std::nullopt}};
    for (const auto& [name, symbol] : nearest)
        EXPECT_EQ(GpxSymbols::Symbol(name), symbol) << name.toStdString();
}

// Saved and opened again, every object comes back; other programs read our
// file and we read what they make of it; a file cut short or followed by more
// is refused.
TEST_F(GpxDataSet, SaveAndOpenKeepEveryObjectAndGpsbabelAndOgrinfoReadTheSavedDataSet) {
    const QString path = dir.filePath("trip.gpx");
    ASSERT_TRUE(GpxFile::Save(data, path));
    gpsdata::GPSData reopened;
    DataSetRecorder seen(reopened);
    reopened.SetPath(path);
    GpxFile::Open(reopened, path);
    EXPECT_TRUE(seen.errors.isEmpty()) << seen.errors.join("|").toStdString();
    EXPECT_EQ(seen.lists.size(), 4);
    EXPECT_FALSE(reopened.Dirty());
    EXPECT_EQ(reopened.Description(), "Trip");
    EXPECT_EQ(testing_support::DataSetRecords(reopened), testing_support::DataSetRecords(data));
    const QByteArray full = testing_support::ReadFile(path);
    EXPECT_FALSE(GpxReader::Read(full.left(full.size() / 2)).error.isEmpty());
    EXPECT_FALSE(GpxReader::Read(full + "<gpx/>").error.isEmpty());

    const ToolRun ogr = RunTool("ogrinfo", {"-ro", "-al", "-so", path});
    ASSERT_EQ(ogr.exitCode, 0) << ogr.out.toStdString();
    const QString out = QString::fromUtf8(ogr.out);
    EXPECT_FALSE(out.contains("ERROR")) << out.toStdString();
    for (const char* layer :
         {"Layer name: waypoints", "Feature Count: 3", "Layer name: routes", "Layer name: tracks"})
        EXPECT_TRUE(out.contains(layer)) << layer;

    const QString copy = dir.filePath("copy.gpx");
    const ToolRun babel =
        RunTool("gpsbabel", {"-w", "-r", "-t", "-i", "gpx", "-f", path, "-o", "gpx", "-F", copy});
    ASSERT_EQ(babel.exitCode, 0) << babel.out.toStdString();
    EXPECT_FALSE(babel.out.contains("rror")) << babel.out.toStdString();
    const GpxDocument ours = GpxReader::Read(full).document;
    const auto theirs = GpxReader::Read(testing_support::ReadFile(copy));
    ASSERT_TRUE(theirs.error.isEmpty()) << theirs.error.toStdString();
    ASSERT_EQ(theirs.document.waypoints.size(), 3);
    EXPECT_EQ(theirs.document.waypoints[0].name, "Home");
    EXPECT_EQ(theirs.document.waypoints[0].time, ours.waypoints[0].time);
    EXPECT_TRUE(ours.waypoints[0].time.isValid());
    EXPECT_NEAR(theirs.document.waypoints[1].latitude, ours.waypoints[1].latitude, 1e-9);
    ASSERT_EQ(theirs.document.routes.size(), 1);
    EXPECT_EQ(theirs.document.routes[0].points.size(), 3);
    ASSERT_EQ(theirs.document.tracks.size(), 1);
    EXPECT_EQ(theirs.document.tracks[0].segments.size(), 2);

    gpsdata::GPSData back;
    GpxFile::Open(back, copy);
    EXPECT_EQ(back.CountWaypoints(), 3);
    EXPECT_EQ(back.CountRoutes(), 1);
    EXPECT_EQ(back.CountIcons(), 0) << "gpsbabel drops our extension, so icons come back as waypoints";
    EXPECT_EQ(back.CountTrails(), 1);
    EXPECT_EQ(back.Waypoint(2)->WptSymbol(), 6) << "the icon's symbol comes back by its name";
}
