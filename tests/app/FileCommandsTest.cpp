#include "app/GPSFileCommands.h"
#include "app/WorkspaceCommands.h"
#include "gpsdata/GPSData.h"
#include "mapbuild/MapData.h"
#include "mapview/WindowObject.h"

#include "MainWindowFixture.h"

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace app;

namespace {

class FileCommands : public MainWindowFixture {
protected:
    // A data file of one waypoint, saved through Save As; the data set is emptied again.
    QString SavedDataFile(const QString& name) {
        gpsdata::WaypointObject* w = main->Data().AddNewWaypoint(false);
        w->SetWptName(QStringLiteral("Camp"));
        savedName = w->WptName();
        chooser.names.push_back(Path(name));
        Command("mnuFileSaveGPSAs")->trigger();
        main->Data().NewGPSDataFile();
        main->Data().SetDirty(false);
        return Path(name);
    }
    void DrawTriangle() {
        Carver& c = main->Borders();
        c.KAddPolyline(1);
        c.KAddPolyPoint(0, 0);
        c.KAddPolyPoint(100000, 0);
        c.KAddPolyPoint(0, 100000);
        main->Map().DefinitionChanged();
    }
    QString savedName;
    QString MapCaption() const { return main->findChild<QMdiSubWindow*>()->windowTitle(); }
};

// Clicks a button of a window once the window has shown.
class ClickOnShow : public QObject {
public:
    ClickOnShow(QWidget& window, const QString& button)
        : window_(window), button_(window.findChild<QPushButton*>(button)) {
        window_.installEventFilter(this);
    }
    ~ClickOnShow() override { window_.removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, button_, &QPushButton::click);
        return false;
    }

private:
    QWidget& window_;
    QPushButton* button_;
};

} // namespace

// Of two files on the command line the first opens (names may hold blanks).
TEST_F(FileCommands, CommandLineOpensADataFileAndRemembersItAndARecentFileThatIsGoneLeavesTheList) {
    const QString file = SavedDataFile(QStringLiteral("trip one.nrv"));
    main->Data().AddNewWaypoint(false);
    const QString second = SavedDataFile(QStringLiteral("second.nrv"));
    // As the entry hands the line over: options first, then the files.
    const QString line = QStringLiteral("/dF ") + file + QStringLiteral(" ") + second;
    main->ParseCommandOptions(line);
    main->ExecuteCommands(line);
    EXPECT_EQ(main->CDDrive(), QStringLiteral("F:"));
    EXPECT_EQ(main->Data().Path(), file);
    ASSERT_EQ(main->Data().CountWaypoints(), 1);
    EXPECT_EQ(main->Data().Waypoints().At(0)->WptName(), savedName);
    EXPECT_FALSE(main->Data().Dirty());
    EXPECT_EQ(main->RecentFileList().first(), file);

    // A recent file that is gone says so and leaves the list.
    main->ExecuteCommands(second);
    ASSERT_EQ(main->RecentFileList(), (QStringList{second, file}));
    QFile::remove(second);
    Command("mnuFileMRU1")->trigger();
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_TRUE(prompt.shown[0].text.contains(second + QStringLiteral(" no longer exists")));
    EXPECT_EQ(main->RecentFileList(), QStringList{file});
    EXPECT_FALSE(Command("mnuFileMRU2")->isVisible());
}

TEST_F(FileCommands, ChangedDataIsOfferedForSavingFirstAndARefusedOrDamagedFileLeavesTheShownData) {
    const QString file = SavedDataFile(QStringLiteral("kept.nrv"));
    main->Data().AddNewWaypoint(false);
    prompt.answers = {ui::Answer::Cancel};
    main->ExecuteCommands(file);
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].text,
              QStringLiteral("Untitled data file has changed.\nDo you wish to save the changes?"));
    EXPECT_EQ(prompt.shown[0].buttons, ui::Buttons::YesNoCancel);
    EXPECT_TRUE(main->Data().Dirty());
    EXPECT_TRUE(main->Data().Path().isEmpty());

    // A file that is not a data file leaves the shown data with its own file.
    prompt.answers = {ui::Answer::No};
    main->ExecuteCommands(file);
    main->Data().AddNewWaypoint(false);
    const QString random = Put(QStringLiteral("random.nrv"), QByteArray(200, '\x01'));
    prompt.answers = {ui::Answer::No};
    main->ExecuteCommands(random);
    EXPECT_TRUE(prompt.shown.last().text.endsWith(QStringLiteral("The file is not a GPS data file.")));
    EXPECT_EQ(main->Data().CountWaypoints(), 2);
    EXPECT_EQ(main->Data().Path(), file);
    EXPECT_TRUE(main->Data().Dirty());
    EXPECT_EQ(main->RecentFileList(), QStringList{file});

    // A damaged one is not remembered, and what it gave is not discarded unasked.
    prompt.answers = {ui::Answer::No};
    main->ExecuteCommands(file);
    ASSERT_FALSE(main->Data().Dirty());
    const QByteArray bytes = testing_support::ReadFile(file);
    const QString damaged = Put(QStringLiteral("damaged.nrv"), bytes.left(bytes.size() - 6));
    main->ExecuteCommands(damaged);
    EXPECT_TRUE(prompt.shown.last().text.startsWith(QStringLiteral("Error opening ") + damaged));
    EXPECT_TRUE(main->Data().Dirty());
    EXPECT_FALSE(main->RecentFileList().contains(damaged));
    prompt.shown.clear();
    prompt.answers = {ui::Answer::Cancel};
    Command("mnuFileNewGPS")->trigger();
    ASSERT_EQ(prompt.shown.size(), 1) << "File > New asks before it discards";
    EXPECT_EQ(prompt.shown[0].buttons, ui::Buttons::YesNoCancel);
}

TEST_F(FileCommands, FirstWorkspaceSaveGoesThroughSaveAsAndReloadsFromTheCommandLineOrASecondStart) {
    DrawTriangle();
    chooser.names.push_back(Path(QStringLiteral("Lakes.nmp")));
    Click("saveborder");
    ASSERT_EQ(chooser.asked.size(), 1);
    EXPECT_FALSE(main->Map().Dirty());
    EXPECT_EQ(MapCaption(), QStringLiteral("Master Map - Lakes"));

    Click("newborder");
    EXPECT_EQ(main->Borders().KGetNumPolygons(), 0);
    EXPECT_EQ(MapCaption(), QStringLiteral("Master Map - Untitled"));
    // The name is found on disk whatever its case on the command line.
    main->ExecuteCommands(Path(QStringLiteral("lakes.NMP")));
    EXPECT_EQ(main->Borders().KGetNumPolygons(), 1);
    EXPECT_EQ(MapCaption(), QStringLiteral("Master Map - Lakes"));

    // A second start hands its file to the running window and restores it.
    Click("newborder");
    main->showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(SingleInstance(instance.Name()).HandOver(Path(QStringLiteral("Lakes.nmp"))));
    QSignalSpy received(&instance, &SingleInstance::CommandLineReceived);
    ASSERT_TRUE(received.wait(10000));
    EXPECT_EQ(main->Borders().KGetNumPolygons(), 1);
    EXPECT_EQ(MapCaption(), QStringLiteral("Master Map - Lakes"));
    EXPECT_FALSE(main->isMinimized());

    // Merged, the file's borders join those shown, as an undo step of its own.
    chooser.names.push_back(Path(QStringLiteral("Lakes.nmp")));
    Command("mnuFileMergeBorder")->trigger();
    EXPECT_EQ(main->Borders().KGetNumPolygons(), 2);
    EXPECT_EQ(Command("mnuEditUndo")->text(), QStringLiteral("&Undo Merge Map"));
    Command("mnuEditUndo")->trigger();
    EXPECT_EQ(main->Borders().KGetNumPolygons(), 1);
    Command("mnuEditRedo")->trigger();
    EXPECT_EQ(main->Borders().KGetNumPolygons(), 2);
}

// The unit's own file loads through the control; Cancel there must leave the shown data as it was.
TEST_F(FileCommands, AUserDataFileShowsItsPercentageAndACancelledLoadKeepsTheShownData) {
    const QString file = SavedDataFile(QStringLiteral("trip.usr"));
    auto* percent = main->Progress().findChild<QLabel*>(QStringLiteral("lblText"));
    EXPECT_EQ(percent->text(), QStringLiteral("100%"));
    EXPECT_FALSE(main->Progress().isVisible());
    main->ExecuteCommands(file);
    ASSERT_EQ(main->Data().CountWaypoints(), 1);

    main->Data().AddNewWaypoint(false);
    prompt.answers = {ui::Answer::No};
    // The user presses Cancel as soon as the window shows.
    ClickOnShow cancel(main->Progress(), QStringLiteral("cmdCancel"));
    main->ExecuteCommands(file);
    EXPECT_EQ(main->Data().CountWaypoints(), 2);
    EXPECT_TRUE(main->Data().Dirty());
    EXPECT_EQ(main->Data().Path(), file);
    EXPECT_EQ(prompt.shown.size(), 1) << "only the question before the load";
    EXPECT_FALSE(main->Progress().isVisible());
}

// A position list keeps only names and places: saving the data set as one would lose the rest.
TEST_F(FileCommands, GPSDataIsNotSavedAsAPositionList) {
    const QString file = SavedDataFile(QStringLiteral("trip.nrv"));
    main->ExecuteCommands(file);
    main->Data().AddRoute(0, QStringLiteral("Out"), {0});
    chooser.names.push_back(Path(QStringLiteral("backup.txt")));
    Command("mnuFileSaveGPSAs")->trigger();
    EXPECT_EQ(prompt.Texts(), QStringList{GPSFileCommands::NotAPositionListText});
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("backup.txt"))));
    EXPECT_TRUE(main->Data().Dirty());
    EXPECT_EQ(main->Data().Path(), file);
    EXPECT_EQ(main->RecentFileList(), QStringList{file});

    const QString list = Put(QStringLiteral("coast.txt"), "45.5 -122.25 Home\n");
    prompt.answers = {ui::Answer::No};
    chooser.names.push_back(list);
    Command("mnuFileOpenGPS")->trigger();
    ASSERT_EQ(main->Data().Path(), list);
    chooser.asked.clear();
    chooser.names.push_back(Path(QStringLiteral("coast.usr")));
    Command("mnuFileSaveGPS")->trigger();
    EXPECT_EQ(chooser.asked.size(), 1);
    EXPECT_EQ(main->Data().Path(), Path(QStringLiteral("coast.usr")));
    EXPECT_FALSE(main->Data().Dirty());
}

TEST_F(FileCommands, EveryDroppedFileIsOpenedInTurn) {
    const QString data = SavedDataFile(QStringLiteral("trip.nrv"));
    DrawTriangle();
    chooser.names.push_back(Path(QStringLiteral("area.nmp")));
    Click("saveborder");
    Click("newborder");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(Path(QStringLiteral("missing.nrv"))), QUrl::fromLocalFile(data),
                  QUrl::fromLocalFile(Path(QStringLiteral("area.nmp")))});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    // Sent past the application, which hands drops only to a drag's target.
    static_cast<QObject*>(main.get())->event(&drop);
    EXPECT_EQ(main->Data().CountWaypoints(), 1);
    EXPECT_EQ(main->Borders().KGetNumPolygons(), 1);
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(FileCommands, CloseAsksForAChangedMapAndYesSavesChangedDataFirst) {
    DrawTriangle();
    prompt.answers = {ui::Answer::Cancel};
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(prompt.Texts(),
              QStringList{QStringLiteral(
                  "The map in the Untitled file has changed.\nDo you wish to save the changes?")});

    prompt.answers = {ui::Answer::No};
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(main->IsUnloaded());
    EXPECT_TRUE(chooser.asked.isEmpty());

    // Yes saves the changed data first; a save dialog then cancelled keeps the program running.
    Start();
    main->Data().AddNewWaypoint(false);
    prompt.answers = {ui::Answer::Yes};
    EXPECT_FALSE(main->close());
    EXPECT_FALSE(main->IsUnloaded());
    chooser.names.push_back(Path(QStringLiteral("kept.nrv")));
    prompt.answers = {ui::Answer::Yes};
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("kept.nrv"))));
}
