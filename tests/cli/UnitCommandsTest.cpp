#include "CliRun.h"

#include "../comm/MapFileFixture.h"
#include "../linkpod/UnitProcess.h"

#include "files/DataSetFiles.h"
#include "gpsdata/GPSData.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class UnitCommands : public ::testing::Test, public comm_testing::MapFileFixture {
protected:
    UnitCommands() { linkpod_testing::EnsureApp(); } // user data files are written through the control
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

TEST_F(UnitCommands, UploadedKindsComeBackByDownloadFromAUnitAtAnotherRate) {
    linkpod_testing::UnitProcess unit({QStringLiteral("--rate"), QStringLiteral("4800")});
    ASSERT_FALSE(unit.Path().isEmpty());
    gpsdata::GPSData data;
    data.AddWaypoint(0, 100, 200, 0, QStringLiteral("Home"), 3, 40000, 0);
    data.AddWaypoint(4, 300, 400, 0, QStringLiteral("Camp"), 5, 40000, 0);
    data.AddRoute(1, QStringLiteral("Out"), {0, 4});
    data.AddLurchIcon(0, 7, 8, 2);
    ASSERT_TRUE(files::DataSetFiles::Save(data, Path("in.nrv")));

    const CliRun up =
        RunCli({"upload", Path("in.nrv"), "--port", unit.Path(), "--kinds", "waypoints,routes"});
    ASSERT_EQ(up.exitCode, 0) << up.err.toStdString();
    EXPECT_TRUE(up.err.contains("Com1 - Trying 4800 baud"));
    EXPECT_TRUE(up.err.contains("Uploading Waypoints"));
    EXPECT_TRUE(up.err.contains("Upload complete"));

    const CliRun down = RunCli({"download", "--port", unit.Path(), "-o", Path("out.nrv")});
    ASSERT_EQ(down.exitCode, 0) << down.err.toStdString();
    EXPECT_TRUE(down.err.contains("Download complete"));
    gpsdata::GPSData back(TF_SOURCE_DIR "/share");
    ASSERT_TRUE(files::DataSetFiles::Open(back, Path("out.nrv")));
    EXPECT_EQ(back.ProductID(), 100);
    EXPECT_EQ(back.Waypoints().Keys(), (QList<qint16>{0, 4}));
    EXPECT_EQ(back.Waypoint(4)->WptName(), QStringLiteral("Camp"));
    EXPECT_EQ(back.Route(1)->Waypoints(), (QList<qint16>{0, 4}));
    EXPECT_EQ(back.CountIcons(), 0); // icons were not uploaded
}

TEST_F(UnitCommands, APortThatDoesNotOpenOrUnknownKindsGiveTheirMessageAndNoFile) {
    const CliRun run = RunCli({"download", "--port", Path("no-such-tty"), "-o", Path("out.nrv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        run.err.contains("Communications Error: Unable to open the selected COM port. Check the COM port "
                         "number and make sure no other program is using that COM port."))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("out.nrv")));
    // Unknown kinds are a usage error.
    EXPECT_EQ(RunCli({"download", "--port", "x", "--kinds", "waypoints,maps", "-o", Path("o.nrv")}).exitCode,
              2);
}

TEST_F(UnitCommands, SendMapProgramsTheUnitsPartitionsOrWritesOntoItsCard) {
    const QString map = Write("Lakes.ncm", 512 * 5 + 1);
    {
        linkpod_testing::UnitProcess dezav({"--dezav", "--partitions", "3", "--partition-size", "4096",
                                            "--flash-file", Path("programmed.bin"), "--rate", "115200"});
        const CliRun run = RunCli({"send-map", map, "--port", dezav.Path()});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("Transferring Map 100%"));
        EXPECT_EQ(Read(Path("programmed.bin")), bytes);
    }
    QTemporaryDir card;
    linkpod_testing::UnitProcess unit({"--card", card.path(), "--rate", "115200"});
    const CliRun run = RunCli({"send-map", map, "--port", unit.Path(), "--card", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(Read(QDir(card.path()).filePath("Lakes.ncm")), bytes);
    // The same name again is refused with the card's message.
    const CliRun again = RunCli({"send-map", map, "--port", unit.Path()});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains("A file by this name already exists on the MMC card."))
        << again.err.toStdString();
}

TEST_F(UnitCommands, TheCardReaderWritesListsKeepsUserDataAndFormats) {
    QTemporaryDir card;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TERRAFOLD_LPT1", card.path());
    auto reader = [&](QStringList words) {
        return RunCli(QStringList{"card-reader", "--port", "1"} + words, env);
    };

    const CliRun written = reader({"write", Write("Hills.ncm", 1500)});
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_TRUE(reader({"list"}).Text().contains("Hills.ncm"));

    gpsdata::GPSData data;
    data.AddWaypoint(3, 10, 20, 0, QStringLiteral("Ford"), 2, 40000, 0);
    ASSERT_TRUE(files::DataSetFiles::Save(data, Path("mine.usr")));
    const CliRun saved = reader({"save-data", Path("mine.usr")});
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    const CliRun loaded = reader({"load-data", "-o", Path("back.usr")});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    gpsdata::GPSData back;
    ASSERT_TRUE(files::DataSetFiles::Open(back, Path("back.usr")));
    ASSERT_TRUE(back.Waypoint(3));
    EXPECT_EQ(back.Waypoint(3)->WptName(), QStringLiteral("Ford"));

    ASSERT_EQ(reader({"format"}).exitCode, 0);
    EXPECT_FALSE(reader({"list"}).Text().contains("Hills.ncm"));
    EXPECT_EQ(RunCli({"card-reader", "--port", "3", "list"}, env).exitCode, 2);
}

} // namespace
