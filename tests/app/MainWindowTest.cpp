#include "app/HelpLauncher.h"
#include "app/MainCommands.h"
#include "app/WindowArranger.h"
#include "app/frmMain.h"
#include "comm/Connection.h"
#include "gpsdata/GPSData.h"

#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>

#include <gtest/gtest.h>

using namespace app;

namespace {

using MainWindow = MainWindowFixture;

} // namespace

TEST_F(MainWindow, RecentFilesShowTheLastFourNumberedAndComeBackAtTheNextStart) {
    QStringList files;
    for (int i = 1; i <= 5; ++i)
        files << Put(QStringLiteral("f%1.nmp").arg(i), "HeaderText one\r\n");
    for (const QString& f : files)
        main->ExecuteCommands(f);
    main->ExecuteCommands(files[2]);
    EXPECT_EQ(main->RecentFileList(), (QStringList{files[2], files[4], files[3], files[1]}));
    EXPECT_TRUE(Command("mnuFileMRU1")->isVisible());
    // They come back at the next start (the view does too: WorkspaceViewTest).
    Restart();
    EXPECT_EQ(main->RecentFileList(), (QStringList{files[2], files[4], files[3], files[1]}));
}

// Restore Defaults must reach the windows, or the next start would save what was shown before.
TEST_F(MainWindow, RestoreDefaultsAppliesEverySettingUntilTheNextStart) {
    const auto expectDefaults = [this] {
        EXPECT_EQ(main->Data().PositionFormat(), 3);
        EXPECT_EQ(main->Data().DefaultSymbol(), 0);
        EXPECT_EQ(main->Data().ClipboardDelimiter(), "\t");
        EXPECT_EQ(main->Link().ComPort(), 1);
        EXPECT_EQ(main->Link().BaudRate(), 9600);
        EXPECT_TRUE(Command("mnuViewToolbar")->isChecked());
        EXPECT_TRUE(Command("mnuWindowAutoArrange")->isChecked());
        EXPECT_NE(main->ArrangeLayout().RouteWidth, 300);
    };
    main->Data().SetPositionFormat(5);
    main->Data().SetDefaultSymbol(7);
    main->Data().SetClipboardDelimiter(",");
    main->Link().SetComPort(3);
    main->Link().SetBaudRate(4800);
    Command("mnuViewToolbar")->setChecked(false);
    Command("mnuWindowAutoArrange")->setChecked(false);
    main->Settings().routeWidth = 300 * 15;
    main->ArrangeLayout() = WindowArranger::FromSettings(main->Settings());

    Command("mnuFileRestoreDefaults")->trigger();
    expectDefaults();
    Restart();
    expectDefaults();
}

TEST_F(MainWindow, HelpOpensTheShippedPageOrSaysWhyNotAndAMissingFileAsksForAReinstall) {
    main->SetHelpOpener([](const QUrl&) { return false; });
    main->findChild<QAction*>(QStringLiteral("mnuHelpContents"))->trigger();
    EXPECT_EQ(prompt.Texts(), QStringList{"You must install a default html browser to view the help files."});
    prompt.shown.clear();
    QUrl seen;
    main->SetHelpOpener([&](const QUrl& url) {
        seen = url;
        return true;
    });
    main->findChild<QAction*>(QStringLiteral("mnuHelpContents"))->trigger();
    EXPECT_TRUE(prompt.shown.isEmpty());
    EXPECT_TRUE(seen.toLocalFile().endsWith(QStringLiteral("/Help/Main Frame.htm")));

    // Without the help file the browser is not asked at all.
    EXPECT_TRUE(QFile::exists(HelpLauncher::HelpFile(QStringLiteral(TF_SOURCE_DIR "/share"))));
    const QTemporaryDir empty;
    bool opened = false;
    EXPECT_EQ(
        HelpLauncher::Open(HelpLauncher::HelpFile(empty.path()), [&](const QUrl&) { return opened = true; }),
        QStringLiteral("Help file not found.\nYou need to reinstall the application."));
    EXPECT_FALSE(opened);
}

TEST_F(MainWindow, CloseWhileTheMapDrawsWaitsForTheDrawingToEnd) {
    main->SetMapDrawing(true);
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->QuitPending());
    main->SetMapDrawing(false);
    QApplication::processEvents();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(trace.contains(QStringLiteral("Calling End")));
}

// Without an updater, or a program to open it, the user is told where it was looked for.
TEST_F(MainWindow, UnitSoftwareUpdateOpensTheUpdaterOfTheCDOrSaysWhyNot) {
    QDir(dir.path()).mkpath(QStringLiteral("cd/Code"));
    const QString updater = Put(QStringLiteral("cd/Code/Update.exe"), "MZ");
    const struct {
        QString cd;
        bool opens;
        QString message; // its start, then a folder or file it names
        QString names;
    } cases[] = {
        {Path("cd"), true, QString(), QString()},
        {dir.path(), true, "No unit software updater is installed", Path("Code")},
        {Path("cd"), false, "No program on this computer opens the unit software updater " + updater,
         updater},
    };
    for (const auto& c : cases) {
        prompt.shown.clear();
        QList<QUrl> opened;
        main->SetUpdateOpener([&](const QUrl& url) {
            opened << url;
            return c.opens;
        });
        main->ParseCommandOptions(QStringLiteral("/d") + c.cd);
        Command("mnuSerialUpdateUnitSoftware")->trigger();
        const bool found = c.cd != dir.path();
        EXPECT_EQ(opened, found ? QList<QUrl>{QUrl::fromLocalFile(updater)} : QList<QUrl>())
            << c.cd.toStdString();
        ASSERT_EQ(prompt.shown.size(), c.message.isEmpty() ? 0 : 1) << c.cd.toStdString();
        if (!c.message.isEmpty()) {
            EXPECT_TRUE(prompt.shown[0].text.startsWith(c.message)) << prompt.shown[0].text.toStdString();
            EXPECT_TRUE(prompt.shown[0].text.contains(c.names));
        }
    }
}
