#include "carver/Carver.h"

#include "mastermap/At5Writer.h"
#include "mastermap/MasterFixtures.h"
#include "mastermap/NcmReader.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The engine cuts the master map with the borders it holds: a closed border
// over the west half of a land square and a corridor elsewhere.
TEST(CarverCartridge, BuildsTheLandInsideTheBordersAndCorridors) {
    QTemporaryDir dir;
    testing_support::WriteFile(dir.filePath("MasterDefinitionLibrary.dat"), "major 3 Land\nminor 60 Land\n");
    mastermap::At5Writer w;
    w.Add(mastermap_testing::Square(60, 0, 0, 96000));
    ASSERT_EQ(w.Write(dir.filePath("M.at5")), "");
    testing_support::WriteFile(dir.filePath("BuildList.txt"), dir.filePath("M.at5").toUtf8() + "\n");
    Carver engine;
    engine.KSetCorridorWidth(2000);
    engine.KSetBlockSize(24000);
    engine.KAddPolyline(1);
    for (auto [x, y] : {std::pair{-1000, -1000}, {48000, -1000}, {48000, 100000}, {-1000, 100000}})
        engine.KAddPolyPoint(x, y);
    engine.KAddPolyline(0);
    engine.KAddPolyPoint(72000, 10000);
    engine.KAddPolyPoint(72000, 20000);

    const QString out = dir.filePath("map.ncm");
    ASSERT_EQ(engine.KMakeCartridge(out, dir.filePath("BuildList.txt"),
                                    dir.filePath("MasterDefinitionLibrary.dat"), "3,60;"),
              1)
        << engine.LastCartridgeError().toStdString();
    mastermap::NcmReader r;
    ASSERT_EQ(r.Open(out), "");
    EXPECT_EQ(r.Info().bounds.left, 0);
    EXPECT_EQ(r.Info().bounds.right, 73000); // the corridor reaches half its width east
    EXPECT_EQ(r.Info().bounds.top, 96000);
}

} // namespace
