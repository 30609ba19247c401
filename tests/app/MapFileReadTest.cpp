#include "MapFileFixture.h"

namespace {

using Workspace = MapFileFixture;

// Print zones of 14, blanks around numbers and a mixed-case flag, as other writers give them.
const QByteArray HandWritten = "Version 6.0\r\n"
                               "UseHighDetailMaps True\r\n"
                               "MidX -10723000 \r\n"
                               "MidY  4560000 \r\n"
                               "ZoomRange  12.5 \r\n"
                               "CorridorWidth  30000 \r\n"
                               "DrawBlocks False\r\n"
                               "LayerOff (10)\r\n"
                               "LayerOff (20:3)\r\n"
                               "HeaderText Lake  tour\r\n"
                               "MapPath /media/cdrom/data\r\n"
                               "Polygon        0            tRuE           3 \r\n"
                               "Point          0            -100           200 \r\n"
                               "Point          1             300           400 \r\n"
                               "Point          2             500          -600 \r\n"
                               "Polygon        1            False          2 \r\n"
                               "Point          0             7.4           8.6 \r\n"
                               "Point          1            -1             2 \r\n";

TEST_F(Workspace, HandWrittenFileGivesItsBordersAndOptions) {
    map.LayerOff(QStringLiteral("5")); // gone once the file is loaded
    ASSERT_TRUE(file.LoadMapFile(Put("trip.nmp", HandWritten)));
    EXPECT_EQ(map.LayersOffCount(), 2);
    ASSERT_EQ(Borders().size(), 2);
    EXPECT_EQ(Borders()[0], (carver::Border{true, {{-100, 200}, {300, 400}, {500, -600}}}));
    EXPECT_EQ(Borders()[1], (carver::Border{false, {{7, 9}, {-1, 2}}}));
    EXPECT_EQ(carver.KGetDrawingPolygon(), -1);
    EXPECT_TRUE(settings.useHighDetailMaps);
    EXPECT_EQ(settings.midX, -10723000);
    EXPECT_EQ(settings.midY, 4560000);
    EXPECT_DOUBLE_EQ(settings.zoomRange, 12.5);
    EXPECT_EQ(settings.corridorWidth, 30000);
    EXPECT_EQ(map.GetLayerOff(0), QStringLiteral("(10)"));
    EXPECT_EQ(map.GetLayerOff(1), QStringLiteral("(20:3)"));
    EXPECT_EQ(map.HeaderText(), QStringLiteral("Lake  tour"));
    EXPECT_EQ(map.MapPath(), QStringLiteral("/media/cdrom/data"));
    EXPECT_TRUE(prompt.shown.isEmpty());
}

// Another writer's settings: keys run together, keys read but never written, both map entry forms.
TEST_F(Workspace, HandWrittenSettingsFileGivesEveryKindOfValue) {
    ASSERT_TRUE(file.LoadMapFile(Put("terrafol.ini", "Version 6.0\r\n"
                                                     "FormHeight 7213.5 \r\n"
                                                     "FormLeft -120 \r\n"
                                                     "LPTPort 2 \r\n"
                                                     "ClipboardDelimiter 44  59 \r\n"
                                                     "TransferRange udWptTo -1 \r\n"
                                                     "EditTrailList  1  2  3  4 \r\n"
                                                     "BackColor  7 \r\n"
                                                     "GridColor  9 \r\n"
                                                     "LastProductID  155 \r\n"
                                                     "EditRoute 1 2  3 4\r\n"
                                                     "MapSeries  3 \r\n"
                                                     "Library a.dat True  5  1.5\r\n"
                                                     "LayerOff (7:10)\r\n"
                                                     "SavedBinaryPath /maps/last built.ncm\r\n"
                                                     "File1 /a/one.nmp\r\n")));
    EXPECT_FLOAT_EQ(settings.formHeight, 7213.5f);
    EXPECT_FLOAT_EQ(settings.formLeft, -120);
    EXPECT_EQ(settings.lptPort, 2);
    EXPECT_EQ(settings.clipboardDelimiter, QStringLiteral(",;"));
    EXPECT_EQ(settings.transferRanges, (QList<QPair<QString, qint64>>{{"udWptTo", -1}}));
    EXPECT_EQ(settings.editTrailList, (QList<app::ListWindowPlace>{{1, 2, 3, 4}}));
    EXPECT_EQ(settings.backColor, 7);
    EXPECT_EQ(settings.gridColor, 9);
    EXPECT_EQ(settings.lastProductId, 155);
    EXPECT_EQ(settings.editRoute, QStringLiteral("1 2  3 4"));
    EXPECT_EQ(map.GetLayerOff(0), QStringLiteral("(7:10)"));
    EXPECT_EQ(map.SavedMapPath(), QStringLiteral("/maps/last built.ncm"));
    EXPECT_EQ(recent.Entries(), QStringList{"/a/one.nmp"});
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(Workspace, UnknownKeysAreSkippedLineFeedsAloneEndLinesAndADamagedLineStopsTheLoad) {
    ASSERT_TRUE(
        file.LoadMapFile(Put("a.nmp", "Frobnicate 12\r\nMidX  5 \r\nmidx  9 \nShowWaypointNames FALSE\n")));
    EXPECT_EQ(settings.midX, 5);
    EXPECT_FALSE(settings.showWaypointNames);
    EXPECT_TRUE(prompt.shown.isEmpty());

    // A damaged line stops the load and keeps what came before.
    EXPECT_FALSE(file.LoadMapFile(Put("a.nmp", "MidX  5 \r\nMidY  many \r\nZoomRange  3 \r\n")));
    EXPECT_EQ(settings.midX, 5);
    EXPECT_DOUBLE_EQ(settings.zoomRange, app::ProgramSettings().zoomRange);
    EXPECT_EQ(prompt.Texts(), QStringList{"Error loading file."});

    // A truncated border keeps its points and ends its construction.
    EXPECT_FALSE(
        file.LoadMapFile(Put("a.nmp", "Polygon 0 False 1000000000\r\nPoint 0 1 2\r\nPoint 1 3 4\r\n")));
    ASSERT_EQ(Borders().size(), 1);
    EXPECT_EQ(Borders()[0].vertices.size(), 2);
    EXPECT_EQ(carver.KGetDrawingPolygon(), -1);
}

TEST_F(Workspace, AFileThatCannotBeReadOrHoldsNoKeyGivesTheLoadError) {
    const QList<QPair<QString, QByteArray>> files = {
        {"missing.nmp", {}},
        {"notes.nmp", "shopping list\r\nFrobnicate 12\r\n"}, // no workspace key at all
        {"empty.nmp", ""},
        {"far.nmp", "Polygon 0 False 1\r\nPoint 0 1e30 2\r\n"}, // beyond the unit range
        {"count.nmp", "Polygon 0 False -1\r\n"},
        {"long.nmp", "HeaderText " + QByteArray(200000, 'x') + "\r\n"},
    };
    for (const auto& [name, text] : files) {
        prompt.shown.clear();
        const QString path = text.isNull() ? Path(name) : Put(name, text);
        EXPECT_FALSE(file.LoadMapFile(path)) << name.toStdString();
        EXPECT_EQ(prompt.Texts(), QStringList{"Error loading file."}) << name.toStdString();
    }
    EXPECT_TRUE(recent.Entries().isEmpty());
    EXPECT_TRUE(map.HeaderText().isEmpty());
    // A settings file may be empty, at a first start.
    EXPECT_TRUE(file.LoadMapFile(Put("terrafol.ini", "")));
}

TEST_F(Workspace, LoadedWorkspaceJoinsTheRecentFilesButSettingsGiveThem) {
    ASSERT_TRUE(file.LoadMapFile(Put("s.ini", "File1 /a/one.nmp\r\nFile2 /b/two words.usr\r\n")));
    EXPECT_EQ(recent.Entries(), (QStringList{"/a/one.nmp", "/b/two words.usr"}));
    recent.Clear();
    ASSERT_TRUE(file.LoadMapFile(Put("trip.nmp", "MidX  1 \r\n")));
    ASSERT_TRUE(file.LoadMapFile(Put("terrafol.ini", "MidX  1 \r\n")));
    ASSERT_TRUE(file.LoadMapFile(Put("default.INI.bak", "MidX  1 \r\n")));
    EXPECT_EQ(recent.Entries(), QStringList{Path("trip.nmp")});
}

} // namespace
