#include "CliRun.h"

#include "mastermap/At5Writer.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using mastermap::Feature;

using testing_support::WriteFile;

// Built maps, their description, the estimate and switched-off layers are
// checked by the independent reader; here, the refusals, over a master map of
// land (60) over 0..480000 square.
TEST(MapCommands, BordersOverNoMapDataNoLayersAndBadFilesFailWithAReason) {
    QTemporaryDir dir;
    const QString res = dir.filePath("res");
    QDir().mkpath(res);
    WriteFile(res + "/MasterDefinitionLibrary.dat", "major 3 Land\nminor 60 Land\n");
    WriteFile(res + "/MasterList.txt", "M.at5\nMissing.at5\nHillsOverlay.at5\n");
    mastermap::At5Writer w;
    Feature land;
    land.kind = mastermap::FeatureKind::Area;
    land.category = 60;
    land.points = {{0, 0}, {480000, 0}, {480000, 480000}, {0, 480000}, {0, 0}};
    land.parts = {5 | Feature::OuterRing};
    w.Add(land);
    ASSERT_EQ(w.Write(res + "/M.at5"), "");

    const QByteArray border =
        "Polygon       0             True          4\n"
        "Point         0             900000        900000\nPoint         1             990000"
        "        900000\nPoint         2             990000        990000\n"
        "Point         3             900000        900000\n";
    const QString workspace = WriteFile(dir.filePath("map.nmp"), border);
    const QString out = dir.filePath("out.ncm");
    for (const CliRun& run : {RunCli({"build-map", workspace, "-o", out, "--res", res}),
                              RunCli({"estimate", workspace, "--res", res})}) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains("The map borders hold no map data.")) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));

    WriteFile(workspace, "LayerOff      (3)\n" + border);
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
