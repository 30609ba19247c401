#include "app/CommandState.h"
#include "app/MainCommands.h"
#include "app/SingleInstance.h"
#include "app/StatusPanels.h"
#include "app/Trace.h"
#include "app/frmMain.h"

#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace app;

namespace {

using MainWindow = MainWindowFixture;

} // namespace

TEST_F(MainWindow, LoadRunsItsStepsInOrder) {
    const QStringList steps = {QStringLiteral("Setting up drag accept"),
                               QStringLiteral("Tagging window"),
                               QStringLiteral("Loading strings"),
                               QStringLiteral("Setting defaults"),
                               QStringLiteral("Initializing objects"),
                               QStringLiteral("Window object pointers"),
                               QStringLiteral("Waiting for flash to come up"),
                               QStringLiteral("Requesting linkpod updates"),
                               QStringLiteral("Updates requested")};
    qsizetype at = -1;
    for (const QString& step : steps) {
        const qsizetype found = trace.indexOf(step, at + 1);
        EXPECT_GT(found, at) << step.toStdString();
        at = found;
    }
}

TEST_F(MainWindow, ToolbarButtonsCarryTheirKeysAndTips) {
    const std::pair<const char*, const char*> buttons[] = {
        {"newgps", "New GPS Data File"},        {"opengps", "Open GPS Data File"},
        {"savegps", "Save GPS Data File"},      {"newborder", "New Map Border File"},
        {"openborder", "Open Map Border File"}, {"saveborder", "Save Map Borders"}};
    for (const auto& [key, tip] : buttons) {
        auto* button = main->findChild<QToolButton*>(QLatin1String(key));
        ASSERT_NE(button, nullptr) << key;
        EXPECT_EQ(button->toolTip(), QLatin1String(tip)) << key;
    }
    for (const char* key : {"center", "create", "polyline", "dropwpt", "droprtewpt", "dropicn", "undo"})
        EXPECT_NE(main->findChild<QToolButton*>(QLatin1String(key)), nullptr) << key;
}

TEST_F(MainWindow, MapWindowHasItsDisplayZoomBoxAndScrollButtons) {
    EXPECT_NE(main->findChild<QWidget*>(QStringLiteral("frmTerrafold")), nullptr);
    EXPECT_NE(main->findChild<QWidget*>(QStringLiteral("picDisplay")), nullptr);
    EXPECT_NE(main->findChild<QComboBox*>(QStringLiteral("cboZoomRange")), nullptr);
    const QList<QToolButton*> scroll = main->findChildren<QToolButton*>(QStringLiteral("btnScroll"));
    ASSERT_EQ(scroll.size(), 4);
    QStringList tips;
    for (QToolButton* b : scroll)
        tips << b->toolTip();
    tips.sort();
    EXPECT_EQ(tips, (QStringList{QStringLiteral("East"), QStringLiteral("North"), QStringLiteral("South"),
                                 QStringLiteral("West")}));
}

TEST_F(MainWindow, FrameKeepsItsMinimumSize) {
    EXPECT_EQ(main->minimumSize(), QSize(633, 450));
}

TEST_F(MainWindow, RecentFilesShowTheLastFourNumbered) {
    QStringList files;
    for (int i = 1; i <= 5; ++i)
        files << Put(QStringLiteral("f%1.nmp").arg(i), "HeaderText one\r\n");
    for (const QString& f : files)
        main->ExecuteCommands(f);
    main->ExecuteCommands(files[2]);
    EXPECT_EQ(main->RecentFileList(), (QStringList{files[2], files[4], files[3], files[1]}));
    auto* first = main->findChild<QAction*>(QStringLiteral("mnuFileMRU1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), QStringLiteral("&1 ") + files[2]);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(MainWindow, HelpWithoutABrowserSaysSo) {
    main->SetHelpOpener([](const QUrl&) { return false; });
    main->findChild<QAction*>(QStringLiteral("mnuHelpContents"))->trigger();
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].text,
              QStringLiteral("You must install a default html browser to view the help files."));
}

TEST_F(MainWindow, HelpOpensTheShippedPage) {
    QUrl seen;
    main->SetHelpOpener([&](const QUrl& url) {
        seen = url;
        return true;
    });
    main->findChild<QAction*>(QStringLiteral("mnuHelpContents"))->trigger();
    EXPECT_TRUE(prompt.shown.isEmpty());
    EXPECT_TRUE(seen.toLocalFile().endsWith(QStringLiteral("/Help/Main Frame.htm")));
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

TEST_F(MainWindow, SecondStartRestoresTheMinimisedWindow) {
    main->showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(SingleInstance(instance.Name()).HandOver(QString()));
    QSignalSpy received(&instance, &SingleInstance::CommandLineReceived);
    ASSERT_TRUE(received.wait(10000));
    EXPECT_FALSE(main->isMinimized());
}

TEST_F(MainWindow, StatusBarStartsWithTheConnectionAndMapTexts) {
    EXPECT_EQ(main->Status().StatusText(StatusPanels::Connection), QStringLiteral("Not connected"));
    EXPECT_EQ(main->Status().StatusText(StatusPanels::MapSize), QStringLiteral("Map not built"));
}

TEST_F(MainWindow, UndoAndRedoStartDisabled) {
    auto* undo = main->findChild<QAction*>(QStringLiteral("mnuEditUndo"));
    auto* redo = main->findChild<QAction*>(QStringLiteral("mnuEditRedo"));
    EXPECT_EQ(undo->text(), QStringLiteral("Can't Undo"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->text(), QStringLiteral("Can't Redo"));
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(MainWindow, UnitSoftwareUpdateOpensTheUpdaterOfTheCD) {
    QDir(dir.path()).mkpath(QStringLiteral("cd/Code"));
    Put(QStringLiteral("cd/Code/Update.exe"), "MZ");
    QList<QUrl> opened;
    main->SetUpdateOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    main->ParseCommandOptions(QStringLiteral("/d") + Path(QStringLiteral("cd")));
    Command("mnuHelpUpdate")->trigger();
    EXPECT_TRUE(prompt.shown.isEmpty());
    EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(Path(QStringLiteral("cd/Code/Update.exe")))});
}

TEST_F(MainWindow, UnitSoftwareUpdateWithoutTheUpdaterSaysWhereItLooked) {
    bool opened = false;
    main->SetUpdateOpener([&](const QUrl&) { return opened = true; });
    main->ParseCommandOptions(QStringLiteral("/d") + dir.path());
    Command("mnuHelpUpdate")->trigger();
    EXPECT_FALSE(opened);
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_TRUE(prompt.shown[0].text.startsWith(QStringLiteral("No unit software updater is installed")));
    EXPECT_TRUE(prompt.shown[0].text.contains(Path(QStringLiteral("Code"))));
}

TEST_F(MainWindow, UnitSoftwareUpdateThatNothingOpensSaysSo) {
    QDir(dir.path()).mkpath(QStringLiteral("cd/Code"));
    Put(QStringLiteral("cd/Code/Update.exe"), "MZ");
    main->SetUpdateOpener([](const QUrl&) { return false; });
    main->ParseCommandOptions(QStringLiteral("/d") + Path(QStringLiteral("cd")));
    Command("mnuHelpUpdate")->trigger();
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_TRUE(prompt.shown[0].text.startsWith(
        QStringLiteral("No program on this computer opens the unit software updater ") +
        Path(QStringLiteral("cd/Code/Update.exe"))));
}

TEST_F(MainWindow, ConnectionPanelTellsWhetherThePortIsThere) {
    const QByteArray old = qgetenv("TERRAFOLD_COM1");
    main->Link().SetAutoSelectComPort(false);
    main->Link().SetComPort(1);
    qputenv("TERRAFOLD_COM1", Put("ttyFake", "").toUtf8());
    EXPECT_EQ(CommandState::ConnectionText(main->Link()), "Ready to connect");
    qputenv("TERRAFOLD_COM1", Path("gone").toUtf8());
    EXPECT_EQ(CommandState::ConnectionText(main->Link()), "Not connected");
    qputenv("TERRAFOLD_COM1", old);
}
