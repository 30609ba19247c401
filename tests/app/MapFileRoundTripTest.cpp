#include "MapFileFixture.h"

#include "support/FileSizeLimit.h"

#include <QRandomGenerator>

namespace {

using RoundTrip = MapFileFixture;

// A value other than the default in every field.
app::ProgramSettings Unusual() {
    app::ProgramSettings s;
    s.formState = 2;
    s.formHeight = 7213.5f;
    s.formWidth = 0.1f;
    s.formTop = 15;
    s.formLeft = -120;
    s.comPort = 4;
    s.autoSelectComPort = false;
    s.lptPort = 2;
    s.baudRate = 115200;
    s.positionFormat = 5;
    s.viewToolbar = false;
    s.viewStatusbar = false;
    s.viewMapLayers = false;
    s.viewFlashInformation = true;
    s.autoArrangeWindows = false;
    s.mapSplit = 1234.25f;
    s.defaultSymbol = 17;
    s.clipboardDelimiter = QStringLiteral(",;");
    s.transferOptions = {QStringLiteral("optWptRange"), QStringLiteral("optTrlNone")};
    s.transferRanges = {{"udWptMin", 3}, {"udWptMax", -1}};
    s.gpsDataPath = QStringLiteral("/home/ann/GPS data/ünits");
    s.mapBorderDataPath = QStringLiteral("/home/ann/borders");
    s.editRouteList = {{1, 2, 3, 4}, {-5, 6, 7, 8}};
    s.editWaypointList = {{10, 20, 30, 40}};
    s.editIconList = {{0, 0, 100, 100}};
    s.editTrailList = {{9, 9, 9, 9}};
    s.informationTop = -300;
    s.informationLeft = 4500;
    s.findWhat = QStringLiteral("Name");
    s.findText = QStringLiteral("lake  shore");
    s.mapFontSize = 12;
    s.mapFontBold = true;
    s.mapFontItalic = true;
    s.mapFontName = QStringLiteral("DejaVu Sans");
    s.mapZoomChange = 12.75;
    s.waypointListHeightPercent = 40;
    s.routeWidth = 3000;
    s.routeListHeightPercent = 30;
    s.iconWidth = 2000;
    s.editDialogSeperation = 90;
    s.iconListHeightPercent = 20;
    s.useHighDetailMaps = true;
    s.mapLinesColor = 3;
    s.waypointNamesColor = 4;
    s.routeLinesColor = 5;
    s.trailLinesColor = 6;
    s.midX = -19000000;
    s.midY = 12000000;
    s.zoomRange = 0.1;
    s.drawBlocks = true;
    s.drawHotspots = true;
    s.drawWaypoints = false;
    s.drawIcons = false;
    s.drawTrails = false;
    s.drawRoutes = false;
    s.showWaypointNames = false;
    return s;
}

TEST_F(RoundTrip, EverySettingsKeyComesBack) {
    settings = Unusual();
    recent.Add("/x/4.nmp");
    recent.Add("/x/3.usr");
    recent.Add("/x/2.nmp");
    recent.Add("/x/1 one.nmp");
    map.SetMapPath("/maps");
    map.SetSavedMapPath("/built/last.ncm");
    map.SetHeaderText("Header");
    map.LayerOff("10:2");
    map.LayerOff("12");
    ASSERT_TRUE(file.SaveMapFile(Path("terrafol.ini"), true));

    const app::ProgramSettings saved = settings;
    const QStringList savedRecent = recent.Entries();
    settings = app::ProgramSettings();
    recent.Clear();
    map.ClearMap();
    ASSERT_TRUE(file.LoadMapFile(Path("terrafol.ini")));
    EXPECT_EQ(settings, saved);
    EXPECT_EQ(recent.Entries(), savedRecent);
    EXPECT_EQ(map.MapPath(), "/maps");
    EXPECT_EQ(map.SavedMapPath(), "/built/last.ncm");
    EXPECT_EQ(map.HeaderText(), "Header");
    EXPECT_EQ(map.LayersOffCount(), 2);
    EXPECT_EQ(map.GetLayerOff(1), "(12)");
}

TEST_F(RoundTrip, WorkspaceIsWrittenInTheFileFormat) {
    settings.midX = -10723000;
    settings.zoomRange = 2.5;
    map.LayerOff("10:2");
    map.SetHeaderText("Trip");
    carver.KAddPolyline(1);
    carver.KAddPolyPoint(-1, 2);
    recent.Add("/x/1.nmp");
    int saved = 0;
    QObject::connect(&file, &app::MapFile::WorkspaceWritten, [&] { ++saved; });
    ASSERT_TRUE(file.SaveMapFile(Path("w.nmp"), false));
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(Read("w.nmp"), QByteArray("Version 6.0\r\n"
                                        "UseHighDetailMaps False\r\n"
                                        "MapLinesColor  0 \r\n"
                                        "WaypointNamesColor  0 \r\n"
                                        "RouteLinesColor  13 \r\n"
                                        "TrailLinesColor  12 \r\n"
                                        "MidX -10723000 \r\n"
                                        "MidY  0 \r\n"
                                        "ZoomRange  2.5 \r\n"
                                        "CorridorWidth  1000 \r\n"
                                        "DrawBlocks False\r\n"
                                        "DrawHotspots False\r\n"
                                        "DrawWaypoints True\r\n"
                                        "DrawIcons True\r\n"
                                        "DrawTrails True\r\n"
                                        "DrawRoutes True\r\n"
                                        "ShowWaypointNames True\r\n"
                                        "LayerOff (10:2)\r\n"
                                        "HeaderText Trip\r\n"
                                        "Polygon        0            True           1 \r\n"
                                        "Point          0            -1             2 \r\n"));
}

TEST_F(RoundTrip, SettingsFileStartsWithTheWindowInItsFileFormAndHoldsNoBorders) {
    settings.formLeft = -120;
    carver.KAddPolyline(0);
    carver.KAddPolyPoint(1, 2);
    recent.Add("/x/1.nmp");
    ASSERT_TRUE(file.SaveMapFile(Path("s.ini"), true));
    const QByteArray s = Read("s.ini");
    EXPECT_FALSE(s.contains("Polygon"));
    EXPECT_FALSE(s.contains("CorridorWidth"));
    EXPECT_TRUE(s.contains("\r\nFile1 /x/1.nmp\r\n"));
    EXPECT_TRUE(s.startsWith("Version 6.0\r\n"
                             "FormState  0 \r\n"
                             "FormHeight 8400 \r\n"
                             "FormWidth  12000 \r\n"
                             "FormTop  600 \r\n"
                             "FormLeft -120 \r\n"
                             "ComPort  1 \r\n"
                             "AutoSelectComPort True\r\n"
                             "LPTPort 1 \r\n"
                             "BaudRate  9600 \r\n"));
}

TEST_F(RoundTrip, RandomBorderSetsComeBackInOrder) {
    QRandomGenerator random(20261206);
    for (int round = 0; round < 20; ++round) {
        carver.KClearAll();
        const int borders = random.bounded(1, 8);
        for (int b = 0; b < borders; ++b) {
            carver.KAddPolyline(random.bounded(2));
            const int points = random.bounded(1, 40);
            for (int p = 0; p < points; ++p)
                carver.KAddPolyPoint(int(random.generate()), int(random.generate()));
        }
        const auto before = Borders();
        ASSERT_TRUE(file.SaveMapFile(Path("r.nmp"), false));
        map.ClearMap();
        ASSERT_TRUE(file.LoadMapFile(Path("r.nmp")));
        ASSERT_EQ(Borders(), before) << "round " << round;
    }
}

TEST_F(RoundTrip, FailedSaveLeavesTheOldFile) {
    Put("w.nmp", "old");
    carver.KAddPolyline(1);
    for (int p = 0; p < 200; ++p)
        carver.KAddPolyPoint(p * 1000, p * 2000);
    QString error;
    bool ok;
    {
        const testing_support::FileSizeLimit full(1024);
        ok = file.SaveMapFile(Path("w.nmp"), false, &error);
    }
    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Read("w.nmp"), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"w.nmp"}) << "no temporary file is left";
}

} // namespace
