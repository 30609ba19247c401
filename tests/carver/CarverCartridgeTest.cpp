#include "carver/Carver.h"

#include "mastermap/At5Writer.h"
#include "mastermap/NcmReader.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

using mastermap::Feature;

// The engine cuts the master map with the borders it holds: a closed border
// over the west half of a land square and a corridor elsewhere.
class CarverCartridge : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::WriteFile(dir.filePath("MasterDefinitionLibrary.dat"),
                                   "major 3 Land\nminor 60 Land\n");
        mastermap::At5Writer w;
        Feature land;
        land.kind = mastermap::FeatureKind::Area;
        land.category = 60;
        land.points = {{0, 0}, {96000, 0}, {96000, 96000}, {0, 96000}, {0, 0}};
        land.parts = {5 | Feature::OuterRing};
        w.Add(land);
        ASSERT_EQ(w.Write(dir.filePath("M.at5")), "");
        testing_support::WriteFile(dir.filePath("BuildList.txt"), dir.filePath("M.at5").toUtf8() + "\n");
        engine.KSetCorridorWidth(2000);
        engine.KSetBlockSize(24000);
        engine.KAddPolyline(1);
        for (auto [x, y] : {std::pair{-1000, -1000}, {48000, -1000}, {48000, 100000}, {-1000, 100000}})
            engine.KAddPolyPoint(x, y);
        engine.KAddPolyline(0);
        engine.KAddPolyPoint(72000, 10000);
        engine.KAddPolyPoint(72000, 20000);
    }
    int Make(const QString& out, const char* options) {
        return engine.KMakeCartridge(out, dir.filePath("BuildList.txt"),
                                     dir.filePath("MasterDefinitionLibrary.dat"), options);
    }

    QTemporaryDir dir;
    Carver engine;
};

TEST_F(CarverCartridge, BuildsTheLandInsideTheBordersAndCorridors) {
    const QString out = dir.filePath("map.ncm");
    ASSERT_EQ(Make(out, "3,60;"), 1) << engine.LastCartridgeError().toStdString();
    mastermap::NcmReader r;
    ASSERT_EQ(r.Open(out), "");
    EXPECT_EQ(r.Info().bounds.left, 0);
    EXPECT_EQ(r.Info().bounds.right, 73000); // the corridor reaches half its width east
    EXPECT_EQ(r.Info().bounds.top, 96000);
}

TEST_F(CarverCartridge, EstimateWritesTheSizeAndNoLayersFail) {
    const QString out = dir.filePath("map.dat");
    ASSERT_EQ(Make(out, "3,60;Estimate;"), 1);
    const QByteArray size = testing_support::ReadFile(out);
    ASSERT_GE(size.size(), 4);
    EXPECT_GT(qFromLittleEndian<quint32>(size.constData()), 64u);
    EXPECT_EQ(Make(out, "3;"), 0);
    EXPECT_EQ(engine.LastCartridgeError(), "No map layers selected!");
}

} // namespace
