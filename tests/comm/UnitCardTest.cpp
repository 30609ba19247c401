#include "CardFixture.h"

using namespace comm_testing;

namespace {

using UnitCard = CardFixture;

class UnitCardStarts : public CardFixture, public ::testing::WithParamInterface<int> {};

} // namespace

TEST_P(UnitCardStarts, TheUnitsOwnRefusalIsShownWithItsText) {
    StartUnitWithCard({"--refuse-start", QString::number(GetParam())});
    EXPECT_TRUE(cards.DownloadCartridge(Write("Lakes.ncm", 3000)));
    ASSERT_TRUE(WaitFor([this] { return !finished.isEmpty(); }));
    EXPECT_FALSE(finished.last());
    EXPECT_EQ(prompt.Texts(), QStringList{StartRefusal(GetParam())});
    EXPECT_EQ(acks, 0);
    EXPECT_FALSE(upload.Pending());
    EXPECT_TRUE(OnCard().isEmpty());
}

// The reader's refusals check the other codes' words; 5 is refused in the
// long and then in the short form.
INSTANTIATE_TEST_SUITE_P(CardCodes, UnitCardStarts, ::testing::Values(3, 5));

// An end refused is a write error in CardOperationsTest, through the reader.
TEST_F(UnitCard, AWriteBrokenOffByARefusedBlockIsClosedAndWrittenAgainAfter) {
    StartUnitWithCard({"--refuse-block", "2"});
    const QString map = Write("Lakes.ncm", 1500);
    ASSERT_TRUE(Sent(map));
    EXPECT_FALSE(finished.last());
    EXPECT_EQ(prompt.Texts(), QStringList{"Error writing file at address 512."});
    EXPECT_EQ(prompt.shown[0].title, "Write Error");
    EXPECT_TRUE(WaitFor([this] { return OnCard().isEmpty(); })) << OnCard().join(' ').toStdString();
    ASSERT_TRUE(Sent(map));
    EXPECT_TRUE(finished.last());
    EXPECT_EQ(Read(card.filePath("Lakes.ncm")), bytes);
    EXPECT_EQ(prompt.Texts().size(), 1);
}

TEST_F(UnitCard, AnUnansweredCardRequestEndsTheSaveAndFreesTheCard) {
    StartUnitWithCard({"--lose-card-reply", "1"});
    linkpod::UserWaypoint w;
    w.index = 2;
    w.name = QStringLiteral("Camp");
    pod.Store().waypoints.Put(w);
    cards.SaveData();
    ASSERT_TRUE(WaitFor([this] { return userData.size() == 1; }));
    EXPECT_FALSE(userData[0]);
    // The card's own words come first; the link tells of the request after.
    EXPECT_EQ(prompt.Texts().value(0), "Unable to save the user data file on the selected MMC card.");
    EXPECT_TRUE(errors.contains(linkpod::LinkPod::ReplyTimedOut));
    // The card takes the next save.
    pod.Store().waypoints.Put(w);
    cards.SaveData();
    ASSERT_TRUE(WaitFor([this] { return userData.size() == 2; }));
    EXPECT_TRUE(userData[1]);
}
