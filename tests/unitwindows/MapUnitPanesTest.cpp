#include "../comm/MapFileFixture.h"
#include "../linkpod/UnitProcess.h"
#include "../support/RecordingPrompt.h"

#include "carver/Carver.h"
#include "comm/Connection.h"
#include "linkpod/LinkPod.h"
#include "mapbuild/MapData.h"
#include "unitwindows/MapUnitCommands.h"
#include "unitwindows/UnitPanes.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using linkpod_testing::WaitFor;

namespace {

void WriteText(const QString& path, const QByteArray& text) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
}

// The map window's unit panes and commands against a unit emulator or the
// card reader, driven as a user would: clicks in the lists and the menu
// commands.
class MapUnitPanes : public ::testing::Test, public comm_testing::MapFileFixture {
protected:
    MapUnitPanes() {
        for (int port = 1; port <= 4; ++port)
            pod.Ports().SetComDevice(port, QStringLiteral("/nonexistent/tf-com%1").arg(port));
        session.SetPrompt(&prompt);
        commands.SetPrompt(&prompt);
        commands.SetProgress(&progress);
        commands.SetActions({&sendMap, &erase, &format});
        prompt.fallback = ui::Answer::Yes;
        QObject::connect(&commands.Upload(), &comm::MapUpload::Finished, [this](bool ok) { finished << ok; });
        QObject::connect(&commands, &unitwindows::MapUnitCommands::Beep, [this] { ++beeps; });
        window.resize(900, 200);
        commands.Panes()->setParent(&window);
        window.show();
    }

    void StartUnit(QStringList args) {
        unit = std::make_unique<linkpod_testing::UnitProcess>(args << "--rate"
                                                                   << "115200");
        ASSERT_FALSE(unit->Path().isEmpty());
        pod.Ports().SetComDevice(1, unit->Path());
        session.SetBaudRate(115200);
        ASSERT_TRUE(session.Connect());
    }

    template <class T> T* Find(const char* name) const { return window.findChild<T*>(QLatin1String(name)); }
    QListWidget* List(const char* name) const { return Find<QListWidget>(name); }
    static QStringList Entries(const QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    void Click(QListWidget* list, int row, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, keys,
                          list->visualItemRect(list->item(row)).center());
    }
    bool Shown(const char* frame) const { return !Find<QGroupBox>(frame)->isHidden(); }
    bool Sent() {
        const qsizetype before = finished.size();
        sendMap.trigger();
        return WaitFor([&] { return finished.size() > before; });
    }

    std::unique_ptr<linkpod_testing::UnitProcess> unit;
    linkpod::LinkPod pod;
    comm::Connection session{pod};
    Carver carver;
    mapbuild::MapData map{carver};
    unitwindows::MapUnitCommands commands{session, map};
    testing_support::RecordingPrompt prompt;
    testing_support::RecordingProgress progress;
    QAction sendMap{"Send Map"};
    QAction erase{"Erase"};
    QAction format{"Format"};
    QWidget window;
    QTemporaryDir cards;
    QList<bool> finished;
    int beeps = 0;
};

} // namespace

TEST_F(MapUnitPanes, NothingConnectedShowsNoPanesAndOffersNoCommands) {
    map.SetCartridgeFileName(Write("Lakes.ncm", 1000));
    EXPECT_TRUE(commands.Panes()->isHidden());
    EXPECT_FALSE(sendMap.isEnabled());
    EXPECT_FALSE(erase.isEnabled());
    EXPECT_FALSE(format.isEnabled());
}

TEST_F(MapUnitPanes, ADezavUnitsPartitionsTakeTheMapChosenInTheList) {
    StartUnit({"--dezav", "--partitions", "3", "--partition-size", "2048", "--flash-file",
               dir.filePath("programmed.bin")});
    ASSERT_TRUE(WaitFor([this] { return List("lstFlashSections")->count() == 3; }));
    EXPECT_TRUE(Shown("fraFlashSections"));
    EXPECT_FALSE(Shown("fraDevices"));
    EXPECT_FALSE(Shown("fraFiles"));
    EXPECT_EQ(Find<QGroupBox>("fraFlashSections")->title(), "Flash Memory Partitions");
    EXPECT_EQ(Entries(List("lstFlashSections")).value(1), "2  0.00 MB     Unused");
    EXPECT_EQ(erase.text(), "&Erase Section");
    EXPECT_FALSE(sendMap.isEnabled()); // no map built yet

    map.SetCartridgeFileName(Write("built.ncm", 3000));
    ASSERT_TRUE(sendMap.isEnabled());
    // The map needs two partitions: the last one alone is too small.
    Click(List("lstFlashSections"), 2);
    ASSERT_EQ(prompt.Texts().size(), 1);
    EXPECT_TRUE(prompt.Texts()[0].endsWith("Try selecting another memory partition."));
    Click(List("lstFlashSections"), 1);
    ASSERT_TRUE(Sent());
    EXPECT_TRUE(finished.last());
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(comm_testing::MapFileFixture::Read(dir.filePath("programmed.bin")), bytes);
    EXPECT_EQ(prompt.shown.last().title, "Transfer Map");
    EXPECT_TRUE(prompt.shown.last().text.contains("\r\n\r\n2   Unused\r\n3   Unused\r\n"));
    EXPECT_TRUE(progress.captions.contains("Erasing Flash"));
    EXPECT_TRUE(progress.captions.contains("Transferring Map"));
    ASSERT_TRUE(
        WaitFor([this] { return Entries(List("lstFlashSections")).value(2).endsWith("Custom Map"); }));

    // Erasing asks with the chosen partitions' lines.
    Click(List("lstFlashSections"), 1);
    erase.trigger();
    EXPECT_EQ(prompt.shown.last().title, "Erase Sections");
    EXPECT_TRUE(prompt.shown.last().text.contains("2  0.00 MB     Custom Map"));
    EXPECT_TRUE(progress.captions.endsWith("Erasing Flash"));
}

TEST_F(MapUnitPanes, AUnitsCardsAreListedAndTakeTheMapAsAFile) {
    const QString first = cards.filePath("first"), second = cards.filePath("second");
    QDir().mkpath(first);
    QDir().mkpath(second);
    WriteText(first + "/.card", "label=TRIPS\ncapacity=2097152\n");
    WriteText(first + "/alps.ncm", QByteArray(700, 'a'));
    WriteText(second + "/.card", "formatted=0\n");
    StartUnit({"--card", first, "--card", second});
    ASSERT_TRUE(WaitFor([this] { return List("lstDevices")->count() == 2; }));
    EXPECT_FALSE(Shown("fraFlashSections"));
    EXPECT_TRUE(Shown("fraDevices"));
    EXPECT_EQ(Find<QGroupBox>("fraFiles")->title(), "Files Stored  on Card");
    EXPECT_EQ(Entries(List("lstDevices")), (QStringList{"TRIPS     2.00 MB free", "Unformatted"}));
    EXPECT_EQ(erase.text(), "&Erase File");
    EXPECT_TRUE(List("lstFiles")->count() == 0);

    Click(List("lstDevices"), 0);
    EXPECT_EQ(Entries(List("lstFiles")), QStringList{"alps.ncm 0.01 MB"});
    map.SetCartridgeFileName(Write("lakes.ncm", 512 * 4 + 1));
    ASSERT_TRUE(Sent());
    EXPECT_TRUE(finished.last());
    EXPECT_EQ(comm_testing::MapFileFixture::Read(first + "/lakes.ncm"), bytes);
    ASSERT_TRUE(WaitFor([this] { return List("lstFiles")->count() == 2; }));
    EXPECT_EQ(Entries(List("lstFiles")).value(1), "lakes.ncm 0.01 MB");
    EXPECT_EQ(List("lstDevices")->currentRow(), 0);

    // Erase the file chosen in the list, after the question.
    Click(List("lstFiles"), 0);
    erase.trigger();
    EXPECT_EQ(prompt.shown.last().title, "Warning");
    ASSERT_TRUE(WaitFor([this] { return List("lstFiles")->count() == 1; }));
    EXPECT_FALSE(QFile::exists(first + "/alps.ncm"));

    format.trigger();
    EXPECT_EQ(prompt.shown.last().text,
              "This will erase all files on the selected MMC card.\r\nAre you sure you wish to continue?");
    ASSERT_TRUE(WaitFor([this] { return Entries(List("lstDevices")).value(0).startsWith("No Label  "); }));
    EXPECT_EQ(List("lstFiles")->count(), 0);
}

TEST_F(MapUnitPanes, TheReadersCardGoesWhenTheReaderIsUnplugged) {
    const QString folder = cards.filePath("reader");
    QDir().mkpath(folder);
    WriteText(folder + "/alps.ncm", "a");
    pod.Ports().SetReaderFolder(1, folder);
    session.SetLPTPort(1);
    session.OpenLPTPort();
    ASSERT_TRUE(WaitFor([this] { return List("lstDevices")->count() == 1; }));
    EXPECT_FALSE(commands.Panes()->isHidden());
    Click(List("lstDevices"), 0);
    EXPECT_EQ(List("lstFiles")->count(), 1);
    EXPECT_TRUE(format.isEnabled());
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(WaitFor([this] { return List("lstDevices")->count() == 0; }));
    EXPECT_EQ(List("lstFiles")->count(), 0);
    EXPECT_TRUE(commands.Panes()->isHidden());
    EXPECT_FALSE(format.isEnabled());
}
