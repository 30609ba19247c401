#include "LinkPodFixture.h"

#include "linkpod/UsrFormat.h"

#include "../support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace linkpod;
using namespace linkpod_testing;

using testing_support::WriteFile;

// The card operations, the same for a card in the reader and a card in the
// unit; the parameter says which.
class Cards : public LinkPodFixture, public ::testing::WithParamInterface<bool> {
protected:
    bool InUnit() const { return GetParam(); }

    void SetUp() override {
        EnsureApp();
        card = root.filePath(QStringLiteral("CARD A"));
        ASSERT_TRUE(QDir().mkpath(card));
        WriteFile(QDir(card).filePath(QStringLiteral(".card")), "label=TRIPS\ncapacity=100000\nmaxfiles=3\n");
        WriteFile(QDir(card).filePath(QStringLiteral("alps.ncm")), QByteArray(1000, 'm'));
        QObject::connect(&pod, &LinkPod::ProgramFlashMemorySent, [this](bool ok) { blocks << ok; });
        QObject::connect(&pod, &LinkPod::UserDataSaved, [this](int r) { saved = r; });
        QObject::connect(&pod, &LinkPod::UserDataLoaded, [this](int r) { loaded = r; });
        if (InUnit()) {
            StartUnit({"--card", card});
            Connect();
            ASSERT_TRUE(WaitFor([this] { return statuses.contains(8) && !cardDevices.isEmpty(); }));
            pod.SetActiveDevice(cardDevices.back());
        } else {
            Record();
            pod.Ports().SetReaderFolder(1, card);
            ASSERT_EQ(pod.OpenParallelPort(1), 0);
            ASSERT_TRUE(WaitFor([this] { return !cardDevices.isEmpty(); }));
            pod.SetActiveDevice(LinkPod::ReaderDevice(1));
        }
    }

    // Waits until the card's directory changed again.
    void WaitForChange() {
        const qsizetype seen = cardDevices.size();
        ASSERT_TRUE(WaitFor([&] { return cardDevices.size() > seen; }));
    }

    QStringList Names() const {
        QStringList out;
        for (int i = 0; i < pod.CardFileCount(0); ++i)
            out << pod.CardFileInfo(0, i).name;
        return out;
    }

    QTemporaryDir root;
    QString card;
    QList<bool> blocks;
    int saved = -1;
    int loaded = -1;
};

TEST_P(Cards, ACardShowsItsLabelSpaceAndFiles) {
    ASSERT_EQ(pod.CardSlotCount(), 1);
    const CardSlot s = pod.CardSlotInfo(0);
    EXPECT_EQ(s.type, CardSlot::Card);
    EXPECT_TRUE(s.formatted);
    EXPECT_EQ(pod.CardSlotLabel(0), QStringLiteral("TRIPS"));
    EXPECT_EQ(s.capacity, 100000u);
    EXPECT_EQ(s.used, 1000u);
    ASSERT_EQ(pod.CardFileCount(0), 1);
    const CardFile f = pod.CardFileInfo(0, 0);
    EXPECT_EQ(f.name, QStringLiteral("alps.ncm"));
    EXPECT_EQ(f.size, 1000u);
    EXPECT_EQ(f.type, CardFile::Map);
}

TEST_P(Cards, AWrittenFileAppearsOnlyWhenItIsComplete) {
    std::uint32_t handle = 0;
    ASSERT_EQ(
        pod.StartFileWrite(0, QStringLiteral("my map.ncm"), 1100, QDateTime::currentDateTime(), 10, handle),
        0);
    ASSERT_EQ(pod.WriteFileBlock(QByteArray(512, 'a'), 512, handle), 0);
    ASSERT_TRUE(WaitFor([this] { return blocks.size() == 1; }));
    ASSERT_EQ(pod.WriteFileBlock(QByteArray(512, 'b'), 512, handle), 0);
    ASSERT_EQ(pod.WriteFileBlock(QByteArray(76, 'c'), 76, handle), 0);
    ASSERT_TRUE(WaitFor([this] { return blocks.size() == 3; }));
    EXPECT_FALSE(QFileInfo::exists(QDir(card).filePath(QStringLiteral("my map.ncm"))));
    pod.EndFileWrite(handle);
    WaitForChange();
    EXPECT_EQ(blocks, (QList<bool>{true, true, true}));
    EXPECT_EQ(testing_support::ReadFile(QDir(card).filePath(QStringLiteral("my map.ncm"))),
              QByteArray(512, 'a') + QByteArray(512, 'b') + QByteArray(76, 'c'));
    EXPECT_EQ(Names(), (QStringList{QStringLiteral("alps.ncm"), QStringLiteral("my map.ncm")}));
}

TEST_P(Cards, AStartThatTheCardCannotTakeIsRefusedWithItsCode) {
    std::uint32_t h = 0;
    const QDateTime now = QDateTime::currentDateTime();
    EXPECT_EQ(pod.StartFileWrite(0, QStringLiteral("huge.ncm"), 99001, now, 10, h), 1);
    EXPECT_EQ(pod.StartFileWrite(0, QStringLiteral("alps.ncm"), 10, now, 10, h), 8);
    EXPECT_EQ(pod.StartFileWrite(0, QStringLiteral("bad/name.ncm"), 10, now, 10, h), 5);
    EXPECT_EQ(pod.StartFileWrite(0, QStringLiteral(".hidden"), 10, now, 10, h), 5);
    WriteFile(QDir(card).filePath(QStringLiteral("b.ncm")), "b");
    WriteFile(QDir(card).filePath(QStringLiteral("c.ncm")), "c");
    pod.EraseCardFile(0, 99); // no such file: nothing but a fresh directory
    WaitForChange();
    ASSERT_EQ(Names().size(), 3);
    EXPECT_EQ(pod.StartFileWrite(0, QStringLiteral("d.ncm"), 10, now, 10, h), 2);
    WriteFile(QDir(card).filePath(QStringLiteral(".card")), "label=RO\nreadonly=1\n");
    pod.EraseCardFile(0, 99);
    WaitForChange();
    EXPECT_EQ(pod.StartFileWrite(0, QStringLiteral("x.ncm"), 10, now, 10, h), 7);
}

TEST_P(Cards, ErasingAFileRemovesJustThatFile) {
    WriteFile(QDir(card).filePath(QStringLiteral("b.ncm")), "b");
    pod.EraseCardFile(0, 99);
    WaitForChange();
    ASSERT_EQ(Names(), (QStringList{QStringLiteral("alps.ncm"), QStringLiteral("b.ncm")}));
    pod.EraseCardFile(0, 0);
    WaitForChange();
    EXPECT_EQ(Names(), QStringList{QStringLiteral("b.ncm")});
}

TEST_P(Cards, FormattingErasesEveryFileOfTheCardAndNothingOutsideIt) {
    WriteFile(root.filePath(QStringLiteral("outside.txt")), "keep");
    ASSERT_TRUE(QDir(card).mkdir(QStringLiteral("sub")));
    WriteFile(QDir(card).filePath(QStringLiteral("sub/inner.txt")), "x");
    ASSERT_TRUE(QFile::link(root.filePath(QStringLiteral("outside.txt")),
                            QDir(card).filePath(QStringLiteral("link"))));
    pod.FormatCard(0, QStringLiteral("No Label"));
    WaitForChange();
    EXPECT_EQ(pod.CardFileCount(0), 0);
    EXPECT_EQ(pod.CardSlotLabel(0), QStringLiteral("No Label"));
    EXPECT_TRUE(QFileInfo::exists(root.filePath(QStringLiteral("outside.txt"))));
    EXPECT_EQ(QDir(card).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral(".card")});
}

TEST_P(Cards, TheUserDataFileSavesAndLoadsTheWholeStore) {
    for (int i = 0; i < 300; ++i)
        pod.Store().waypoints.Put(UserWaypoint{
            static_cast<std::uint16_t>(i), 10001, 0, i, -i, 1.5f, 77u, QStringLiteral("W%1").arg(i), {}});
    pod.Store().trails.Put(
        UserTrail{0, QStringLiteral("t"), QList<TrailPoint>(2000, TrailPoint{1, 2, true})});
    const UserDataStore before = pod.Store();
    pod.SaveUserDataToCard(0, QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(WaitFor([this] { return saved >= 0; }));
    EXPECT_EQ(saved, 0);
    EXPECT_TRUE(QFileInfo::exists(QDir(card).filePath(CardFolder::UserDataFileName())));
    pod.Store().Clear();
    pod.LoadUserDataFromCard(0);
    ASSERT_TRUE(WaitFor([this] { return loaded >= 0; }));
    EXPECT_EQ(loaded, 0);
    EXPECT_TRUE(pod.Store() == before);
}

TEST_P(Cards, UserDataThatDoesNotFitReportsInsufficientSpace) {
    pod.Store().trails.Put(
        UserTrail{0, QStringLiteral("t"), QList<TrailPoint>(20000, TrailPoint{1, 2, true})});
    pod.SaveUserDataToCard(0, QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(WaitFor([this] { return saved >= 0; }));
    EXPECT_EQ(saved, 1);
    EXPECT_FALSE(QFileInfo::exists(QDir(card).filePath(CardFolder::UserDataFileName())));
}

TEST_P(Cards, ACardWithoutUserDataReportsNotFound) {
    pod.Store().waypoints.Put(UserWaypoint{});
    pod.LoadUserDataFromCard(0);
    ASSERT_TRUE(WaitFor([this] { return loaded >= 0; }));
    EXPECT_EQ(loaded, usr::NotFound);
    EXPECT_EQ(pod.Store().waypoints.Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(InReaderAndUnit, Cards, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "InTheUnit" : "InTheReader"; });

TEST(CardReader, AMissingReaderAndABusyOneHaveTheirResults) {
    EnsureApp();
    QTemporaryDir root;
    LinkPod first, second;
    first.Ports().SetReaderFolder(1, root.filePath(QStringLiteral("absent")));
    EXPECT_EQ(first.OpenParallelPort(1), 3);
    first.Ports().SetReaderFolder(2, root.path());
    second.Ports().SetReaderFolder(2, root.path());
    EXPECT_EQ(first.OpenParallelPort(2), 0);
    EXPECT_EQ(second.OpenParallelPort(2), 2);
    first.CloseParallelPort();
    EXPECT_EQ(second.OpenParallelPort(2), 0);
}

TEST(CardReader, ShortNameCardsRefuseLongNames) {
    EXPECT_TRUE(CardFolder::LegalName(QStringLiteral("ALPS.NCM"), true));
    EXPECT_FALSE(CardFolder::LegalName(QStringLiteral("alps summer.ncm"), true));
    EXPECT_TRUE(CardFolder::LegalName(QStringLiteral("alps summer.ncm"), false));
    EXPECT_FALSE(CardFolder::LegalName(QStringLiteral("a:b"), false));
}
