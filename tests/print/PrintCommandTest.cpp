#include "cli/CliRun.h"
#include "support/PdfText.h"
#include "support/QStringPrinter.h"
#include "support/TestFiles.h"

#include "files/GPSDataFile.h"
#include "gpsdata/GPSData.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using testing_support::PdfText;

namespace {

// A sectioned data file of 50 waypoints (indexes 10 to 59), two routes and
// three icons, printed by the command-line tool.
class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override {
        gpsdata::GPSData data;
        for (int i = 10; i < 60; ++i)
            data.AddNewFileWaypoint(qint16(i), 100000 * i, 50000 * i, QStringLiteral("P%1").arg(i), 0, 0, "",
                                    0);
        data.AddRoute(2, "Out", {10, 11, 12});
        data.AddRoute(5, "Back", {12, 11, 10});
        for (int i = 0; i < 3; ++i)
            data.AddFileIcon(qint16(i), i, 40 + i, -100 - i);
        file = dir.filePath("trip.nrv");
        data.SetPath(file);
        ASSERT_TRUE(files::GPSDataFile(data).SaveFile());
        out = dir.filePath("out.pdf");
    }

    QTemporaryDir dir;
    QString file;
    QString out;
};

TEST_F(PrintCommand, PrintsTheChosenTableToAPdfAndSaysHowManyPagesItemsAreIndexesAndARangeLimitsThePages) {
    CliRun run = RunCli({"print", file, "--what", "waypoints", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.Text(), "2 pages\n");
    EXPECT_EQ(PdfText(out).pages.value(1).RowWords(5).value(1), "P45");

    run = RunCli({"print", file, "--what", "routes", "--items", "5", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfText(out).pages[0].RowWords(2), QStringList({"Route", "6:", "Back"}));
    run = RunCli({"print", file, "--what", "icons", "--items", "2,0", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfText(out).pages[0].RowWords(5).first(), "1");
    EXPECT_EQ(PdfText(out).pages[0].RowWords(6).first(), "3");

    run = RunCli({"print", file, "--what", "waypoints", "--from", "2", "--to", "2", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.Text(), "1 pages\n");
    EXPECT_EQ(PdfText::PageCount(out), 1);
    EXPECT_EQ(PdfText(out).pages[0].RowWords(41), QStringList({"2"}));
}

TEST_F(PrintCommand, TheMapShowsTheWorkspacesViewUnderItsNameOverTheMasterMap) {
    const QString workspace = dir.filePath("lake shore.nmp");
    testing_support::WriteFile(
        workspace, "MidX 2500000\r\nMidY 1250000\r\nZoomRange 100\r\nPolygon 0 True 3\r\n"
                   "Point 0 2400000 1200000\r\nPoint 1 2600000 1200000\r\nPoint 2 2500000 1300000\r\n");
    CliRun run = RunCli({"print", file, "--what", "map", "--workspace", workspace, "--borders", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.Text(), "1 pages\n");
    EXPECT_EQ(PdfText(out).pages[0].RowWords(2), QStringList({"Map", "lake", "shore"}));

    run = RunCli({"print", file, "--what", "map", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfText::PageCount(out), 1);
    const PdfText::Page page = PdfText(out).pages[0];
    EXPECT_TRUE(page.Find("Map").text.isEmpty()) << "a title without a workspace";
    // The map's place names are written once each, halo and all.
    for (const PdfText::Word& w : page.words)
        EXPECT_EQ(std::count_if(page.words.begin(), page.words.end(),
                                [&](const PdfText::Word& v) {
                                    return v.text == w.text && std::abs(v.x - w.x) < 5 &&
                                           std::abs(v.y - w.y) < 5;
                                }),
                  1)
            << w.text.toStdString();

    run = RunCli({"print", file, "--what", "map", "--workspace", dir.filePath("none.nmp"), "-o", out + "x"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFile::exists(out + "x"));

    // Without a master map the page holds the data alone; a folder the user
    // names must hold one.
    const QString empty = dir.filePath("empty");
    QDir().mkpath(empty);
    run = RunCli({"print", file, "--what", "map", "--res", empty, "-o", out + "x"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("no master map in")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out + "x"));

    if (!QFile::exists(QStringLiteral(TF_BINARY_DIR "/bin/res/MasterDefinitionLibrary.dat")))
        GTEST_SKIP() << "the default master map is not built in this tree";
    // The default view is over land: its fill covers much of the map, which
    // takes the top half of the page (the data alone inks a few per cent),
    // read back by poppler's own renderer at a low resolution.
    const QString prefix = dir.filePath("page");
    QProcess::execute("pdftoppm", {"-r", "20", "-gray", "-singlefile", out, prefix});
    const QImage rendered(prefix + ".pgm");
    ASSERT_FALSE(rendered.isNull());
    qint64 inked = 0;
    for (int y = 0; y < rendered.height(); ++y)
        for (int x = 0; x < rendered.width(); ++x)
            inked += qGray(rendered.pixel(x, y)) < 245;
    EXPECT_GT(double(inked) / (qint64(rendered.width()) * rendered.height()), 0.2);
}

TEST_F(PrintCommand, BadArgumentsAndUnreadableFilesFailLeaveNoPdfAndKeepAnOldFile) {
    const QList<QStringList> usage = {
        {"print", file, "-o", out},
        {"print", file, "--what", "trails", "-o", out},
        {"print", file, "--what", "waypoints"},
        {"print", file, "--what", "waypoints", "--from", "0", "-o", out},
        {"print", file, "--what", "waypoints", "--from", "3", "--to", "2", "-o", out},
        {"print", file, "--what", "waypoints", "--items", "1,x", "-o", out},
    };
    for (const QStringList& arguments : usage) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    const QList<QStringList> failures = {
        {"print", dir.filePath("missing.nrv"), "--what", "waypoints", "-o", out},
        {"print", file, "--what", "waypoints", "--items", "3", "-o", out},
        {"print", file, "--what", "waypoints", "--from", "3", "-o", out},
        {"print", file, "--what", "waypoints", "-o", dir.filePath("no/such/folder/out.pdf")},
    };
    for (const QStringList& arguments : failures) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"trip.nrv"}));

    // A failed print keeps the old file.
    testing_support::WriteFile(out, "old");
    EXPECT_EQ(RunCli({"print", file, "--what", "waypoints", "--from", "9", "-o", out}).exitCode, 1);
    EXPECT_EQ(testing_support::ReadFile(out), "old");
}

} // namespace
