#include "CliRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::WriteFile;

const QByteArray Workspace = "Version 6.0\r\n"
                             "MidX -10723000 \r\n"
                             "ZoomRange  12.5 \r\n"
                             "DrawBlocks TRUE\r\n"
                             "LayerOff (10)\r\n"
                             "HeaderText Lake  tour\r\n"
                             "Polygon        0            True           3 \r\n"
                             "Point          0            -100           200 \r\n"
                             "Point          1             300           400 \r\n"
                             "Point          2             500          -600 \r\n"
                             "Polygon        1            False          2 \r\n"
                             "Point          0             7             8 \r\n"
                             "Point          1            -1             2 \r\n";

// The JSON of written workspaces is read by the independent checker.
TEST(CliBorders, TextListsOneLinePerBorder) {
    QTemporaryDir dir;
    const CliRun run = RunCli({"borders", WriteFile(dir.filePath("t.nmp"), Workspace)});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.Text().startsWith("border 0 closed 3 points: -100,200 300,400 500,-600\n"
                                      "border 1 open 2 points: 7,8 -1,2\n"));
    EXPECT_TRUE(run.Text().contains("option MidX -10723000\n"));
    EXPECT_TRUE(run.Text().contains("layer off (10)\n"));
}

TEST(CliBorders, DamagedFileReportsTheMessageAndWhatWasRead) {
    QTemporaryDir dir;
    const CliRun run = RunCli(
        {"borders", WriteFile(dir.filePath("bad.nmp"), "MidX  5 \r\nPolygon 0 False 3\r\nPoint 0 1 2\r\n"),
         "--json"});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject json = run.Json();
    EXPECT_EQ(json["messages"].toArray(), QJsonArray{"Error loading file."});
    EXPECT_EQ(json["borders"].toArray().size(), 1);
    EXPECT_EQ(json["options"].toObject()["MidX"].toInteger(), 5);
    EXPECT_EQ(RunCli({"borders", "--json"}).exitCode, 2) << "no file name";
}

} // namespace
