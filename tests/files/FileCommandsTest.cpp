#include "LayoutWriter.h"
#include "cli/CliRun.h"
#include "files/GPSDataFile.h"
#include "gpsdata/GPSData.h"
#include "support/QStringPrinter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FileCommands : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        return testing_support::WriteFile(dir.filePath(name), bytes);
    }

    QTemporaryDir dir;
};

} // namespace

// A saved file through the commands in the order a user meets them: its
// summary, its objects, the refusals, and the position lists.
TEST_F(FileCommands, InfoListConvertAndPositionListsOnOneFile) {
    gpsdata::GPSData data;
    data.AddNewFileWaypoint(4, 1000, 2000, "Home", 3, 0, "note", 0);
    data.AddNewFileWaypoint(5, 3000, 4000, "Lake", 1, 0, "", 0);
    data.AddRoute(1, "To Lake", {4, 5});
    data.AddFileIcon(0, 2, 10, 20);
    data.AddTrail(0, "Walk", 0, 0, {1, 2}, {3, 4}, QList<bool>{true, false});
    data.SetDescription("Trip");
    const QString path = dir.filePath("trip.nrv");
    data.SetPath(path);
    ASSERT_TRUE(files::GPSDataFile(data).SaveFile());
    const CliRun run = RunCli({"info", path, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonObject json = run.Json();
    EXPECT_EQ(json["waypoints"].toInt(), 2);
    EXPECT_EQ(json["routes"].toInt(), 1);
    EXPECT_EQ(json["icons"].toInt(), 1);
    EXPECT_EQ(json["trails"].toInt(), 1);
    EXPECT_EQ(json["description"].toString(), "Trip");
    EXPECT_EQ(json["limits"]["MaxNumGPSRouteWaypoints"].toInt(), 2000);
    EXPECT_TRUE(json["messages"].toArray().isEmpty());

    LayoutWriter cut;
    cut.Header().I32(1).I32(0).I32(0);
    Write("cut.nrv", cut.Bytes());
    const CliRun damaged = RunCli({"info", dir.filePath("cut.nrv"), "--json"});
    EXPECT_EQ(damaged.exitCode, 0);
    EXPECT_EQ(damaged.Json()["messages"].toArray().at(0).toString(),
              "Error opening " + dir.filePath("cut.nrv") + "\r\nUnexpected end of file encountered");

    const CliRun missing = RunCli({"info", dir.filePath("absent.nrv")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("cannot read"));
    EXPECT_EQ(RunCli({"info"}).exitCode, 2);

    const CliRun listed = RunCli({"list", path, "--kind", "waypoints", "--position-format", "2", "--json"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.constData();
    const QJsonArray rows = QJsonDocument::fromJson(listed.out).array();
    ASSERT_EQ(rows.size(), 2);
    const QJsonObject home = rows[0].toObject();
    EXPECT_EQ(home["WptIndex"].toInt(), 4);
    EXPECT_EQ(home["WptName"].toString(), "Home");
    EXPECT_EQ(home["X"].toInt(), 1000);
    EXPECT_EQ(home["Comment"].toString(), "note");
    EXPECT_FALSE(home["latitudeText"].toString().isEmpty());
    const QJsonObject all = RunCli({"list", path, "--json"}).Json();
    EXPECT_EQ(all["routes"][0]["waypoints"].toArray(), (QJsonArray{4, 5}));
    EXPECT_EQ(all["trails"][0]["points"][1].toArray(), (QJsonArray{2, 4, false}));
    EXPECT_EQ(all["icons"][0]["IcnSymbol"].toInt(), 2);
    EXPECT_EQ(RunCli({"list", path, "--kind", "cars"}).exitCode, 2);

    // Conversions to GPX and back are compared whole in the independent transfer run.
    const QString badGpx = Write("bad.gpx", "<gpx><wpt lat='1'></gpx>");
    const QString out = dir.filePath("out.nrv");
    const CliRun refusedGpx = RunCli({"convert", badGpx, out});
    EXPECT_EQ(refusedGpx.exitCode, 1);
    EXPECT_TRUE(refusedGpx.err.contains("Line 1")) << refusedGpx.err.constData();
    EXPECT_FALSE(QFile::exists(out));

    const QString list = Write("coast.txt", "45.5 -122.25 Home\n46 -123 Beach\n");
    const QString coast = dir.filePath("coast.nrv");
    const CliRun imported = RunCli({"import-positions", list, "--route", "-o", coast});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.constData();

    // Converted to a position list, what the list cannot hold is named.
    const CliRun asList = RunCli({"convert", coast, dir.filePath("points.txt")});
    EXPECT_EQ(asList.exitCode, 0);
    EXPECT_TRUE(
        asList.err.contains("points.txt is a position list: 1 routes, 0 icons and 0 trails are not written"))
        << asList.err.constData();

    const QString exported = dir.filePath("out.txt");
    ASSERT_EQ(RunCli({"export-positions", coast, "--routes", "--names", "-o", exported}).exitCode, 0);
    const QList<QByteArray> lines = testing_support::ReadFile(exported).split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("45.50000")) << lines[0].constData();
    EXPECT_TRUE(lines[0].endsWith(", Home\r"));

    const QString again = dir.filePath("again.nrv");
    ASSERT_EQ(RunCli({"import-positions", exported, "--waypoints", "--into", coast, "-o", again}).exitCode,
              0);
    EXPECT_EQ(RunCli({"info", again, "--json"}).Json()["waypoints"].toInt(), 2)
        << "found again by place and name";

    const QString bad = Write("bad.txt", "91 0\n");
    const CliRun refused = RunCli({"import-positions", bad, "--waypoints", "-o", dir.filePath("x.nrv")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("Illegal latitude/longitude encountered on line 1"))
        << refused.err.constData();
}

TEST_F(FileCommands, ASaveThatFailsPartWayLeavesTheOldFile) {
    const QString big = dir.filePath("big.nrv");
    gpsdata::GPSData data;
    for (int i = 0; i < 900; ++i)
        data.AddNewFileWaypoint(qint16(i), i, i, QString(20, 'N'), 0, 0, QString(100, 'c'), 0);
    data.SetPath(big);
    ASSERT_TRUE(files::GPSDataFile(data).SaveFile());
    const QString target = Write("old.gpx", "old contents");
    // The shell limits the size of every file the converter writes.
    QProcess shell;
    shell.start("bash", {"-c", "ulimit -f 8; trap '' XFSZ; exec \"$0\" convert \"$1\" \"$2\"",
                         TF_BINARY_DIR "/bin/terrafold-cli", big, target});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_NE(shell.exitCode(), 0);
    EXPECT_EQ(testing_support::ReadFile(target), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left behind";
}
