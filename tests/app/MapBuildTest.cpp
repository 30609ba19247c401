#include "app/MapBuildCommands.h"
#include "app/StatusPanels.h"
#include "app/WorkspaceCommands.h"
#include "mapbuild/MapData.h"
#include "mapbuild/SizeInMB.h"

#include "MapWindowFixture.h"
#include "RecordingDrives.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTreeWidget>

using namespace app;
using testing_support::ReadFile;

namespace {

// A master map of one land area under the first view; the temporary folder is the test's own.
class MapBuild : public MapWindowFixture {
protected:
    void SetUp() override {
        oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", temp.path().toUtf8());
        WriteLandMaster(res.path());
        SetMasterFolder(res.path());
        MapWindowFixture::SetUp();
    }
    void TearDown() override {
        MapWindowFixture::TearDown();
        qputenv("TMPDIR", oldTemp);
    }
    void DrawBorder() {
        Click("create");
        for (QPoint at :
             {QPoint(100, 100), QPoint(300, 100), QPoint(300, 300), QPoint(100, 300), QPoint(101, 101)})
            ClickMap(at);
        Click("center");
    }
    bool Enabled(const char* key) const { return Command(key) && Command(key)->isEnabled(); }
    QString Panel(int panel) const { return main->Status().StatusText(panel); }

    QByteArray oldTemp;
    QTemporaryDir res, temp;
    RecordingDrives drives;
};

} // namespace

// The window and terrafold-cli build the same map, and the installed master folder is only read.
TEST_F(MapBuild, EstimateAndBuildNeedABorderAndTheWindowAndTheCommandLineBuildTheSameMap) {
    EXPECT_FALSE(Enabled("mnuMapEstimate"));
    EXPECT_FALSE(Enabled("mnuMapBuild"));
    DrawBorder();
    ASSERT_TRUE(Enabled("mnuMapEstimate"));
    ASSERT_TRUE(Enabled("mnuMapBuild"));
    EXPECT_FALSE(Enabled("mnuFileSaveMap"));

    Click("cartridgeestimate");
    ASSERT_EQ(prompt.shown.size(), 1);
    const QString mb = prompt.shown[0].text.section(u' ', 6, 6);
    EXPECT_EQ(prompt.shown[0].text,
              "This custom map will take approximately " + mb + " MB of cartridge space.");
    EXPECT_EQ(Panel(StatusPanels::Message), "Estimated map size:  " + mb + " MB");
    EXPECT_EQ(Panel(StatusPanels::MapSize), "Map not built");

    main->Map().SetHeaderText(QStringLiteral("Lake of the test"));
    chooser.names.push_back(Path("Lake.ncm"));
    // Saved to a card in a reader that then refuses to eject it.
    main->MapBuild().SetRemovableDrives(&drives);
    drives.errors["Eject /drives/Card_Reader"] = "Not authorized";
    Click("map");
    ASSERT_EQ(prompt.shown.size(), 3);
    EXPECT_EQ(drives.calls.mid(1), (QStringList{"Unmount /block/sdc1", "Eject /drives/Card_Reader"}));
    EXPECT_TRUE(prompt.shown[2].text.startsWith(Path("Lake.ncm") + " has been saved, but"));
    EXPECT_EQ(Panel(StatusPanels::Message),
              "Custom map saved to " + Path("Lake.ncm") + ". The medium was not ejected.");
    ASSERT_EQ(chooser.asked.size(), 1);
    EXPECT_TRUE(chooser.asked[0].folder.endsWith("/Untitled.ncm"));
    const QByteArray saved = ReadFile(Path("Lake.ncm"));
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_EQ(saved, ReadFile(main->Map().CartridgeFileName()));
    EXPECT_EQ(Panel(StatusPanels::MapSize), "Map size: " + mb + " MB");
    EXPECT_TRUE(Enabled("mnuFileSaveMap"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(saved.contains("Lake of the test"));
    EXPECT_EQ(main->Map().SavedMapPath(), Path("Lake.ncm"));

    chooser.names.push_back(Path("Lake.nmp"));
    ASSERT_TRUE(main->Workspace().SaveAs());
    QProcess cli;
    cli.start(QStringLiteral(TF_BINARY_DIR "/bin/terrafold-cli"),
              {"build-map", Path("Lake.nmp"), "-o", Path("cli.ncm"), "--res", res.path()});
    ASSERT_TRUE(cli.waitForFinished(-1));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(ReadFile(Path("cli.ncm")), saved);
    EXPECT_EQ(QDir(res.path()).entryList(QDir::Files),
              QStringList({"M.at5", "MasterDefinitionLibrary.dat", "MasterList.txt"}));
}

TEST_F(MapBuild,
       NoToTheVeryLargeMapQuestionBuildsNothingAndTheWaitTextGoesWhenTheSaveIsCancelledOrTheBuildFails) {
    main->Window().SetUseHighDetail(true);
    DrawBorder();
    prompt.answers.push_back(ui::Answer::No);
    Click("map");
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].buttons, ui::Buttons::YesNo);
    EXPECT_TRUE(prompt.shown[0].text.startsWith("You have created a very large map"));
    EXPECT_TRUE(chooser.asked.isEmpty());
    EXPECT_EQ(Panel(StatusPanels::MapSize), "Map not built");

    main->Window().SetUseHighDetail(false);
    Click("map"); // the chooser has no name: the save dialog is cancelled
    ASSERT_EQ(chooser.asked.size(), 1);
    EXPECT_EQ(Panel(StatusPanels::Message), "");
    auto* tree = main->findChild<QTreeWidget*>();
    ASSERT_NE(tree, nullptr);
    ASSERT_GT(tree->topLevelItemCount(), 0);
    tree->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    Click("map");
    ASSERT_FALSE(prompt.shown.isEmpty());
    EXPECT_EQ(prompt.shown.last().text, "No map layers selected!");
    EXPECT_EQ(chooser.asked.size(), 1) << "no save dialog for a map not built";
    EXPECT_EQ(Panel(StatusPanels::Message), "");
    EXPECT_FALSE(Enabled("mnuFileSaveMap"));
}
