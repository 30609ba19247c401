#include "CliRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A data file with route 0 through two waypoints, made by the program itself.
class CliRouteToBorder : public ::testing::Test {
protected:
    void SetUp() override {
        const QString list =
            testing_support::WriteFile(dir.filePath("coast.txt"), "45.5 -122.25 Home\n46 -123 Beach\n");
        const CliRun made = RunCli({"import-positions", list, "--route", "-o", data});
        ASSERT_EQ(made.exitCode, 0) << made.err.constData();
    }
    QJsonArray Borders(const QString& workspace) const {
        return RunCli({"borders", workspace, "--json"}).Json()["borders"].toArray();
    }

    QTemporaryDir dir;
    QString data = dir.filePath("coast.nrv");
};

TEST_F(CliRouteToBorder, MakesANewWorkspaceWithTheOpenBorder) {
    const QString out = dir.filePath("corridor.nmp");
    const CliRun run = RunCli({"route-to-border", data, "--route", "0", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonArray borders = Borders(out);
    ASSERT_EQ(borders.size(), 1);
    EXPECT_FALSE(borders[0]["closed"].toBool());
    const QJsonArray points = borders[0]["points"].toArray();
    ASSERT_EQ(points.size(), 2);
    // Home lies south and east of Beach.
    EXPECT_GT(points[0][0].toInt(), points[1][0].toInt());
    EXPECT_LT(points[0][1].toInt(), points[1][1].toInt());
}

// Added after the borders of a workspace: the independent checker.
TEST_F(CliRouteToBorder, RefusesAMissingRouteAndWritesNothing) {
    const QString out = dir.filePath("none.nmp");
    const CliRun run = RunCli({"route-to-border", data, "--route", "7", "-o", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("holds no route 7")) << run.err.constData();
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(RunCli({"route-to-border", data, "--route", "x", "-o", out}).exitCode, 2);
    EXPECT_EQ(RunCli({"route-to-border", data, "-o", out}).exitCode, 2);
}

} // namespace
