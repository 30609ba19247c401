#include "../comm/MapFileFixture.h"
#include "DesktopFixture.h"

#include "comm/MapUpload.h"
#include "mapbuild/MapData.h"
#include "support/QStringPrinter.h"
#include "unitwindows/MapUnitCommands.h"
#include "unitwindows/UnitPanes.h"
#include "unitwindows/UnitTransfers.h"
#include "unitwindows/frmMMCSaveStatus.h"
#include "unitwindows/frmTransferUserData.h"

#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

using linkpod_testing::WaitFor;

namespace {

// The unit panes and commands driven as a user would, against cards, partitions and rates of their own.
class DesktopCards : public unitwindows_testing::DesktopUnit, public comm_testing::MapFileFixture {
protected:
    void SetUp() override {
        DesktopUnit::SetUp();
        prompt.fallback = ui::Answer::Yes;
        QObject::connect(&main->UnitMemory().Upload(), &comm::MapUpload::Finished,
                         [this](bool ok) { sent << ok; });
        QObject::connect(&main->UnitMemory(), &unitwindows::MapUnitCommands::Beep, [this] { ++beeps; });
    }

    // The files a card folder holds, its label aside.
    static QStringList OnCard(const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }

    QListWidget* List(const char* name) const { return main->findChild<QListWidget*>(QLatin1String(name)); }
    static QStringList Entries(const QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    static void Click(QListWidget* list, int row, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, keys,
                          list->visualItemRect(list->item(row)).center());
    }
    using DesktopUnit::Click;

    // Sends the built map from the Map menu; false when the send never ended.
    bool SendMap() {
        const qsizetype before = sent.size();
        Command("mnuMapSendMap")->trigger();
        return WaitFor([&] { return sent.size() > before; });
    }
    QTemporaryDir cards;
    QList<bool> sent;
    int beeps = 0;
};

} // namespace

TEST_F(DesktopCards, AUnitsCardsTakeTheMapAndTheChosenOnesAreErasedAndFormatted) {
    const QString trips = cards.filePath("trips"), spare = cards.filePath("spare");
    MakeCard(trips, "label=PADDLES\ncapacity=6291456\n");
    testing_support::WriteFile(QDir(trips).filePath("boundary.ncm"), QByteArray(3000, 'b'));
    MakeCard(spare, "formatted=0\n");
    StartUnit({"--rate", "38400", "--name", "Kayak Nav 3", "--product-id", "518", "--card", trips, "--card",
               spare});
    main->Link().SetBaudRate(38400);
    Click("connect");
    ASSERT_TRUE(WaitFor([&] { return List("lstDevices")->count() == 2; }));
    EXPECT_FALSE(main->findChild<QGroupBox*>("fraDevices")->isHidden());
    EXPECT_TRUE(main->findChild<QGroupBox*>("fraFlashSections")->isHidden());
    const QStringList listed = Entries(List("lstDevices"));
    EXPECT_TRUE(listed[0].startsWith("PADDLES   ")) << listed[0].toStdString();
    EXPECT_EQ(listed[1], "Unformatted");

    Click(List("lstDevices"), 0);
    EXPECT_EQ(Entries(List("lstFiles")), QStringList{"boundary.ncm 0.01 MB"});
    main->Map().SetCartridgeFileName(Write("bwca.ncm", 512 * 60 + 1));
    Shot("cards-01-listed");
    ASSERT_TRUE(SendMap());
    EXPECT_TRUE(sent.last());
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(OnCard(trips), (QStringList{"boundary.ncm", "bwca.ncm"}));
    EXPECT_EQ(Read(QDir(trips).filePath("bwca.ncm")), bytes);
    ASSERT_TRUE(WaitFor([&] { return List("lstFiles")->count() == 2; }));
    Shot("cards-02-sent");

    // Erase the old map chosen in the file list.
    Click(List("lstFiles"), 0);
    Command("mnuGPSEraseFlash")->trigger();
    EXPECT_EQ(prompt.shown.last().text, "Are you sure you want to erase the selected file?");
    ASSERT_TRUE(WaitFor([&] { return List("lstFiles")->count() == 1; }));
    EXPECT_EQ(OnCard(trips), QStringList{"bwca.ncm"});

    // Format the spare card chosen in the card list, and only that one.
    Click(List("lstDevices"), 1);
    Command("mnuGPSFormatDevice")->trigger();
    EXPECT_EQ(prompt.shown.last().text,
              "This will erase all files on the selected MMC card.\r\nAre you sure you wish to continue?");
    ASSERT_TRUE(WaitFor([&] { return Entries(List("lstDevices")).value(1).startsWith("No Label  "); }));
    EXPECT_EQ(Entries(List("lstFiles")), QStringList{});
    EXPECT_EQ(OnCard(trips), QStringList{"bwca.ncm"});
}

TEST_F(DesktopCards, TheCardReaderRefusesWhatItCannotDoKeepsTheDataSetAndGoesWhenUnplugged) {
    // Nothing connected offers no commands.
    main->Map().SetCartridgeFileName(Write("Lakes.ncm", 1000));
    EXPECT_TRUE(main->UnitMemory().Panes()->isHidden());
    EXPECT_FALSE(Command("mnuMapSendMap")->isEnabled());
    EXPECT_FALSE(Command("mnuGPSFormatDevice")->isEnabled());
    // The card reader on LPT1, opened from the toolbar, with a card too small for the data set.
    const QString reader = cards.filePath("reader");
    MakeCard(reader, "label=READER\ncapacity=64\n");
    main->Link().Pod().Ports().SetReaderFolder(1, reader);
    main->Link().SetLPTPort(1);
    Click("mmcconnect");
    ASSERT_TRUE(WaitFor([&] { return List("lstDevices")->count() == 1; }));
    EXPECT_TRUE(Entries(List("lstDevices"))[0].startsWith("READER    "));
    EXPECT_FALSE(main->UnitMemory().Panes()->isHidden());
    Click(List("lstDevices"), 0);
    EXPECT_TRUE(Command("mnuGPSFormatDevice")->isEnabled());

    QList<bool> ends;
    QObject::connect(&main->Transfers().Engine(), &comm::TransferEngine::Finished,
                     [&](bool ok) { ends << ok; });
    const auto transfer = [&](const char* button) {
        QDialog* window = OpenTransferWindow();
        ASSERT_TRUE(window);
        EXPECT_EQ(window->objectName(), "frmPodTransfer");
        const qsizetype before = ends.size();
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
        ASSERT_TRUE(WaitFor([&] { return ends.size() > before; }));
    };
    Fill(main->Data());
    const int waypoints = main->Data().CountWaypoints();
    main->Data().SetDirty(false);
    transfer("btnDownload");
    EXPECT_FALSE(ends.last());
    EXPECT_EQ(prompt.shown.last().text, "User data file not found on the selected MMC card.");
    EXPECT_EQ(main->Data().CountWaypoints(), waypoints);
    transfer("btnUpload");
    EXPECT_FALSE(ends.last());
    EXPECT_EQ(prompt.shown.last().text, "Insufficient space remaining on the selected MMC card.");
    EXPECT_NE(Message(), "Upload complete");
    EXPECT_FALSE(main->Transfers().SaveStatusWindow().isVisible());
    EXPECT_FALSE(main->Transfers().UserDataWindow().isVisible());

    // On a card with room it goes on (the way back is the session tests').
    MakeCard(reader, "label=READER\ncapacity=8388608\n");
    Shot("cards-03-reader");
    transfer("btnUpload");
    EXPECT_TRUE(ends.last());
    EXPECT_EQ(Message(), "Upload complete");
    EXPECT_TRUE(OnCard(reader).contains("USERDATA.USR"));

    ASSERT_TRUE(QDir(reader).removeRecursively());
    ASSERT_TRUE(WaitFor([&] { return List("lstDevices")->count() == 0; }));
    EXPECT_EQ(List("lstFiles")->count(), 0);
    EXPECT_TRUE(WaitFor([&] { return main->UnitMemory().Panes()->isHidden(); }));
    EXPECT_FALSE(Command("mnuGPSFormatDevice")->isEnabled());
}

TEST_F(DesktopCards, ADezavUnitsPartitionsTakeTheMapAndAreErased) {
    const QString flash = cards.filePath("flash.bin");
    StartUnit({"--rate", "57600", "--name", "Harbour Plotter 7", "--dezav", "--partitions", "6",
               "--partition-size", "262144", "--flash-file", flash});
    main->Link().SetBaudRate(57600);
    Click("connect");
    ASSERT_TRUE(WaitFor([&] { return List("lstFlashSections")->count() == 6; }));
    EXPECT_FALSE(main->findChild<QGroupBox*>("fraFlashSections")->isHidden());
    EXPECT_TRUE(main->findChild<QGroupBox*>("fraDevices")->isHidden());
    EXPECT_EQ(Command("mnuGPSEraseFlash")->text(), "&Erase Section");
    EXPECT_EQ(ConnectionPanel(), "COM1 - 57600 baud");
    EXPECT_EQ(Entries(List("lstFlashSections")).value(2), "3  0.25 MB     Unused");

    // It holds the line but moves no data: the transfer commands stay off.
    EXPECT_TRUE(Command("mnuUnitDisconnect")->isEnabled());
    EXPECT_FALSE(Command("mnuUnitConnect")->isEnabled());
    EXPECT_FALSE(Command("mnuTransferData")->isEnabled());
    main->Transfers().ShowTransferWindow();
    QDialog* transfer = main->Transfers().TransferWindow();
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->objectName(), "frmTransfer");
    Shot("cards-04-range-transfer-window");
    transfer->reject();

    // The map takes the two partitions chosen with Shift.
    main->Map().SetCartridgeFileName(Write("harbour.ncm", 512 * 600));
    Click(List("lstFlashSections"), 2);
    Click(List("lstFlashSections"), 3, Qt::ShiftModifier);
    ASSERT_TRUE(SendMap());
    EXPECT_TRUE(sent.last());
    EXPECT_TRUE(prompt.shown.last().text.contains("\r\n\r\n3   Unused\r\n4   Unused\r\n"));
    EXPECT_EQ(Read(flash), bytes);
    ASSERT_TRUE(WaitFor([&] { return Entries(List("lstFlashSections")).value(3).endsWith("Custom Map"); }));
    Shot("cards-05-partitions");

    Click(List("lstFlashSections"), 2);
    Command("mnuGPSEraseFlash")->trigger();
    EXPECT_EQ(prompt.shown.last().title, "Erase Sections");
    EXPECT_TRUE(
        WaitFor([&] { return Entries(List("lstFlashSections")).value(2) == "3  0.25 MB     Unused"; }));
}
