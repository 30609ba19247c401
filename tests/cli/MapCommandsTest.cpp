#include "CliRun.h"

#include "mastermap/At5Writer.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using mastermap::Feature;

using testing_support::WriteFile;

// A master map folder with land (60) over 0..480000 square and a shoreline (1)
// along x = 240000, and a workspace with one closed border over the lower half
// of the land and the land layer switched off.
class MapCommands : public ::testing::Test {
protected:
    void SetUp() override {
        res = dir.filePath("res");
        QDir().mkpath(res);
        WriteFile(res + "/MasterDefinitionLibrary.dat",
                  "major 1 Water\nminor 1 Shoreline\nmajor 3 Land\nminor 60 Land\n");
        WriteFile(res + "/MasterList.txt", "M.at5\nMissing.at5\nHillsOverlay.at5\n");
        mastermap::At5Writer w;
        Feature land;
        land.kind = mastermap::FeatureKind::Area;
        land.category = 60;
        land.points = {{0, 0}, {480000, 0}, {480000, 480000}, {0, 480000}, {0, 0}};
        land.parts = {5 | Feature::OuterRing};
        w.Add(land);
        Feature shore;
        shore.kind = mastermap::FeatureKind::Line;
        shore.category = 1;
        shore.points = {{240000, -1000}, {240000, 481000}};
        shore.parts = {2};
        w.Add(shore);
        ASSERT_EQ(w.Write(res + "/M.at5"), "");
        workspace = dir.filePath("map.nmp");
        WriteFile(workspace,
                  "HeaderText    Test map\nCorridorWidth 30000\nPolygon       0             True          5\n"
                  "Point         0             -10000        -10000\nPoint         1             500000      "
                  "  -10000\n"
                  "Point         2             500000        200000\nPoint         3             -10000      "
                  "  200000\n"
                  "Point         4             -10000        -10000\n");
    }
    QTemporaryDir dir;
    QString res;
    QString workspace;
};

TEST_F(MapCommands, BuildMapWritesAMapThatMapInfoDescribesAndTheEstimateForetold) {
    const QString out = dir.filePath("out.ncm");
    const CliRun build = RunCli({"build-map", workspace, "-o", out, "--res", res});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_TRUE(build.Text().startsWith("The size of your custom map is "));
    const CliRun info = RunCli({"map-info", out, "--json"});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    const QJsonObject o = info.Json();
    EXPECT_EQ(o["size"].toInteger(), QFile(out).size());
    EXPECT_EQ(o["headerText"].toString(), "Test map");
    EXPECT_EQ(o["blockSize"].toInt(), 48000); // the corridor width rounded up to 24000s
    EXPECT_EQ(o["bounds"].toArray()[3].toInt(), 200000);
    EXPECT_EQ(o["categories"].toArray().size(), 2);
    // The estimate agrees with the built file.
    const CliRun estimate = RunCli({"estimate", workspace, "--res", res});
    ASSERT_EQ(estimate.exitCode, 0) << estimate.err.toStdString();
    EXPECT_TRUE(estimate.Text().contains(QString("(%1 bytes)").arg(QFile(out).size())))
        << estimate.Text().toStdString();
    EXPECT_TRUE(estimate.Text().startsWith("This custom map will take approximately "));
}

TEST_F(MapCommands, SwitchedOffLayersAreNotBuilt) {
    QFile f(workspace);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("LayerOff      (3:60)\n");
    f.close();
    const QString out = dir.filePath("out.ncm");
    ASSERT_EQ(RunCli({"build-map", workspace, "-o", out, "--res", res}).exitCode, 0);
    const QJsonArray categories = RunCli({"map-info", out, "--json"}).Json()["categories"].toArray();
    ASSERT_EQ(categories.size(), 1);
    EXPECT_EQ(categories[0].toObject()["category"].toInt(), 1);
}

TEST_F(MapCommands, BordersOverNoMapDataBuildNothing) {
    WriteFile(workspace,
              "Polygon       0             True          4\n"
              "Point         0             900000        900000\nPoint         1             990000"
              "        900000\nPoint         2             990000        990000\n"
              "Point         3             900000        900000\n");
    const QString out = dir.filePath("out.ncm");
    for (const CliRun& run : {RunCli({"build-map", workspace, "-o", out, "--res", res}),
                              RunCli({"estimate", workspace, "--res", res})}) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains("The map borders hold no map data.")) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(MapCommands, NoLayersAndBadFilesFailWithAReason) {
    QFile f(workspace);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("LayerOff      (1)\nLayerOff      (3)\n");
    f.close();
    const CliRun none = RunCli({"estimate", workspace, "--res", res});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains("No map layers selected!"));
    WriteFile(dir.filePath("bad.ncm"), QByteArray("\x55\xAA") + QByteArray(100, 'x'));
    const CliRun bad = RunCli({"map-info", dir.filePath("bad.ncm")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_FALSE(bad.err.isEmpty());
    EXPECT_EQ(RunCli({"build-map", workspace}).exitCode, 2);
}

} // namespace
