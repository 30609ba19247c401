#include "CardFixture.h"

using namespace comm_testing;

namespace {

using CardReader = CardFixture;

// The same card tests in the reader (false) and in a unit (true).
class CardInReaderOrUnit : public CardFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        if (GetParam())
            StartUnitWithCard();
        else
            OpenReader();
    }
};

struct Refusal {
    const char* description;
    const char* existing; // a map file already on the card
    int openWrites;       // writes left open before
    int code;
};

class CardRefusals : public CardFixture, public ::testing::WithParamInterface<Refusal> {};

} // namespace

TEST_P(CardRefusals, EachRefusedStartHasItsMessageAndChangesNothing) {
    const Refusal r = GetParam();
    if (*r.existing)
        Write(card.filePath(r.existing), 10);
    OpenReader(r.description);
    for (int i = 0; i < r.openWrites; ++i) {
        std::uint32_t handle = 0;
        session.OnDevice(linkpod::LinkPod::ReaderDevice(1), [&](linkpod::LinkPod& p) {
            return p.StartFileWrite(0, QStringLiteral("open%1.ncm").arg(i), 1, {}, 10, handle);
        });
    }
    EXPECT_FALSE(cards.DownloadCartridge(Write("Lakes.ncm", 600)));
    ASSERT_EQ(prompt.Texts().size(), 1);
    EXPECT_EQ(prompt.Texts()[0], StartRefusal(r.code));
    EXPECT_FALSE(upload.Pending());
    EXPECT_EQ(QDir(card.path()).entryList(QDir::Files).size(), *r.existing ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(StartResults, CardRefusals,
                         ::testing::Values(Refusal{"capacity=100\n", "", 0, 1},
                                           Refusal{"maxfiles=0\n", "", 0, 2},
                                           Refusal{"formatted=0\n", "", 0, 4}, Refusal{"", "", 4, 6},
                                           Refusal{"readonly=1\n", "", 0, 7},
                                           Refusal{"", "Lakes.ncm", 0, 8}));

TEST_F(CardReader, ALongNameIsRetriedInItsShortForm) {
    OpenReader("shortnames=1\n");
    ASSERT_TRUE(cards.DownloadCartridge(Write("Lake District.at5", 512 * 3 + 1)));
    ASSERT_TRUE(WaitFor([this] { return !finished.isEmpty() && !cards.Files().isEmpty(); }));
    EXPECT_TRUE(finished.last());
    EXPECT_EQ(Read(card.filePath("LAKEDI~1.ncm")), bytes);
    EXPECT_EQ(cards.Files()[0].text, "LAKEDI~1.ncm 0.01 MB");
    EXPECT_TRUE(prompt.Texts().isEmpty());
}

TEST_F(CardReader, ItRefusesWithoutACardListsMapsErasesWhenToldAndKeepsUserData) {
    Write(card.filePath("Lakes.ncm"), 10);
    Write(card.filePath("notes.txt"), 10);
    OpenReader();
    ASSERT_EQ(cards.Files().size(), 1); // only map files are listed
    cards.SelectDevice(-1);
    EXPECT_FALSE(cards.DownloadCartridge(Write("Hills.ncm", 10)));
    cards.FormatDevice();
    EXPECT_EQ(prompt.Texts(), QStringList(2, "You must select a valid MMC card first."));
    cards.SelectDevice(0);

    prompt.answers = {ui::Answer::No};
    cards.EraseFile(0);
    EXPECT_TRUE(QFile::exists(card.filePath("Lakes.ncm")));
    cards.EraseFile(0);
    ASSERT_TRUE(WaitFor([this] { return cards.Files().isEmpty(); }));
    EXPECT_EQ(prompt.shown.last().title, "Warning");
    EXPECT_TRUE(QFile::exists(card.filePath("notes.txt")));

    cards.LoadData();
    ASSERT_TRUE(WaitFor([this] { return userData.size() == 1; }));
    EXPECT_FALSE(userData[0]);
    EXPECT_EQ(prompt.Texts().last(), "User data file not found on the selected MMC card.");
    linkpod::UserWaypoint w;
    w.index = 4;
    w.name = QStringLiteral("Camp");
    pod.Store().waypoints.Put(w);
    cards.SaveData();
    ASSERT_TRUE(WaitFor([this] { return userData.size() == 2; }));
    EXPECT_TRUE(userData[1]);
    EXPECT_EQ(pod.Store().waypoints.LastIndex(), -1); // the lists are emptied after a save
    cards.LoadData();
    ASSERT_TRUE(WaitFor([this] { return userData.size() == 3; }));
    EXPECT_TRUE(userData[2]);
    ASSERT_NE(pod.Store().waypoints.Find(4), nullptr);
    EXPECT_EQ(pod.Store().waypoints.Find(4)->name, "Camp");
    EXPECT_TRUE(progress.texts.contains("100%"));
}

TEST_P(CardInReaderOrUnit, MapsAreOnTheCardWholeWhenTheUploadSaysSoAndACancelledOneLeavesNothing) {
    QStringList names;
    for (const int length : {512 * 8, 512 * 8 + 1}) {
        SCOPED_TRACE(length);
        names << QStringLiteral("L%1.ncm").arg(length);
        const int acksBefore = acks;
        ASSERT_TRUE(Sent(Write(names.last(), length)));
        EXPECT_TRUE(finished.last());
        EXPECT_EQ(acks - acksBefore, (length + 511) / 512);
        EXPECT_EQ(onCardAtFinish.last(), names); // no part or temporary file left
        EXPECT_EQ(Read(card.filePath(names.last())), bytes);
        EXPECT_EQ(beeps, int(names.size()));
    }
    EXPECT_TRUE(progress.captions.contains("Sending file"));
    ASSERT_TRUE(WaitFor([this] { return cards.Files().size() == 2; }));
    EXPECT_EQ(cards.Files()[0].text, "L4096.ncm 0.01 MB");

    // A unit drops the part written once it is told.
    cancelAt = acks + 3;
    const QString map = Write("Dales.ncm", 512 * 6);
    ASSERT_TRUE(Sent(map));
    EXPECT_FALSE(finished.last());
    EXPECT_EQ(beeps, 2);
    EXPECT_TRUE(WaitFor([&] { return OnCard() == names; })) << OnCard().join(' ').toStdString();
    progress.cancel = false;
    ASSERT_TRUE(Sent(map));
    EXPECT_TRUE(finished.last());
    EXPECT_EQ(OnCard(), QStringList{"Dales.ncm"} + names);
    EXPECT_EQ(Read(card.filePath("Dales.ncm")), bytes);
    EXPECT_TRUE(prompt.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(ReaderAndUnit, CardInReaderOrUnit, ::testing::Bool());

TEST_F(CardReader, AnEndTheCardRefusesIsAWriteErrorNotASuccess) {
    OpenReader();
    // Another program puts a file of the same name on the card while the map
    // is written: the card cannot give the map that name at the end.
    QObject::connect(&session, &comm::Connection::ProgramFlashMemorySent, [this] {
        QFile other(card.filePath("Lakes.ncm"));
        if (other.open(QIODevice::WriteOnly))
            other.write("other");
    });
    ASSERT_TRUE(Sent(Write("Lakes.ncm", 700)));
    EXPECT_FALSE(finished.last());
    EXPECT_EQ(beeps, 0);
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].title, "Write Error");
    EXPECT_EQ(prompt.shown[0].text, "Error writing file at address 700.");
    EXPECT_EQ(Read(card.filePath("Lakes.ncm")), "other");
    EXPECT_EQ(OnCard(), QStringList{"Lakes.ncm"});
}

TEST_F(CardReader, AnUnpluggedReaderLeavesTheListsAndIsClosed) {
    const QString folder = card.filePath("slot");
    ASSERT_TRUE(QDir().mkpath(folder));
    pod.Ports().SetReaderFolder(1, folder);
    Write(QDir(folder).filePath("Lakes.ncm"), 10);
    int changes = 0;
    QObject::connect(&session, &comm::Connection::ConnectedStatusChanged, [&] { ++changes; });
    session.SetLPTPort(1);
    session.OpenLPTPort();
    ASSERT_TRUE(WaitFor([this] { return cards.Devices().size() == 1; }));
    cards.SelectDevice(0);
    ASSERT_EQ(cards.Files().size(), 1);
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(WaitFor([this] { return cards.Devices().isEmpty(); }));
    EXPECT_TRUE(cards.Files().isEmpty());
    EXPECT_EQ(cards.SelectedDevice(), -1);
    EXPECT_FALSE(session.LPTPortOpen());
    EXPECT_EQ(changes, 2);
    // Plugged in again, it opens again.
    ASSERT_TRUE(QDir().mkpath(folder));
    session.OpenLPTPort();
    EXPECT_TRUE(session.LPTPortOpen());
    EXPECT_TRUE(WaitFor([this] { return cards.Devices().size() == 1; }));
}
