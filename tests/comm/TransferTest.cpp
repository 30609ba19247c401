#include "TransferFixture.h"

#include "support/DataSetRecords.h"
#include "support/QStringPrinter.h"

#include "mapview/UndoStack.h"

#include <QTemporaryDir>

using namespace comm_testing;
using comm::KindRange;

TEST_F(Transfer, AnUploadComesBackWholeOrByKindAndEachDownloadedKindIsOneUndoStep) {
    StartFilled();
    {
        SCOPED_TRACE("an uploaded route takes along the waypoints outside the uploaded range");
        ASSERT_TRUE(Run([&] {
            engine.Upload({KindRange::Indexes(0, 0), KindRange::Everything(), KindRange::Nothing(),
                           KindRange::Nothing()});
        }));
        gpsdata::GPSData copy;
        ASSERT_TRUE(ReadUnit(copy));
        EXPECT_EQ(copy.Waypoints().Keys(), (QList<qint16>{0, 2, 5}));
        EXPECT_EQ(copy.Route(3)->Waypoints(), (QList<qint16>{0, 5, 2}));
    }
    data.Waypoint(5)->SetWptName(QStringLiteral("WPT5 1ST"));
    ASSERT_TRUE(Run([&] { engine.Upload({}); }));
    EXPECT_EQ(results.last(), true);
    EXPECT_EQ(StatusTexts().last(), QStringLiteral("Upload complete"));
    EXPECT_TRUE(progress.captions.contains(QStringLiteral("Uploading Trails")));
    {
        gpsdata::GPSData copy;
        ASSERT_TRUE(ReadUnit(copy));
        // Names come back in display form, as every added waypoint stores them.
        ASSERT_TRUE(copy.Waypoint(5));
        EXPECT_EQ(copy.Waypoint(5)->WptName(), QStringLiteral("Wpt5 1st"));
        data.Waypoint(5)->SetWptName(copy.Waypoint(5)->WptName());
        EXPECT_EQ(testing_support::DataSetRecords(copy), testing_support::DataSetRecords(data));
    }
    {
        SCOPED_TRACE("a downloaded route fetches the waypoints it names that are not held");
        gpsdata::GPSData copy;
        ASSERT_TRUE(ReadUnit(copy, {KindRange::Nothing(), KindRange::Everything(), KindRange::Nothing(),
                                    KindRange::Nothing()}));
        EXPECT_EQ(copy.Waypoints().Keys(), (QList<qint16>{0, 5, 2}));
        EXPECT_EQ(copy.Route(3)->NumWaypoints(), 3);
    }
    data.DeleteWaypoint(1);
    data.DeleteIcons();
    mapview::UndoStack undo{data};
    engine.SetUndoHook([&](const QString& name) { undo.PushUndoOperation(false, name); });
    ASSERT_TRUE(Run([&] {
        engine.Download({KindRange::Everything(), KindRange::Nothing(), KindRange::Everything(),
                         KindRange::Indexes(4, 3)});
    }));
    EXPECT_EQ(undo.Count(), 2);
    EXPECT_EQ(undo.UndoCaption(), QStringLiteral("&Undo Download Icons"));
    EXPECT_EQ(data.CountIcons(), 2);
    undo.PerformUndoOperation();
    EXPECT_EQ(data.CountIcons(), 0);
    EXPECT_EQ(undo.UndoCaption(), QStringLiteral("&Undo Download Waypoints"));
    undo.PerformUndoOperation();
    EXPECT_EQ(data.Waypoints().Keys(), (QList<qint16>{0, 2, 5}));
    EXPECT_TRUE(data.Route(3));
}

// A unit vanishing mid-download leaves the data set as it was: the unit
// window's tests, through the undo step it records.
TEST_F(Transfer, AUnitVanishingMidUploadSaysSoAndLeavesTheDataSetAlone) {
    StartFilled({"--vanish-after", "9"});
    ASSERT_TRUE(Run([&] { engine.Upload({}); }));
    EXPECT_EQ(results.last(), false);
    EXPECT_TRUE(prompt.Texts().contains(QStringLiteral("No connection on COM 1.")));
    EXPECT_FALSE(StatusTexts().contains(QStringLiteral("Upload complete")));
    EXPECT_EQ(data.Waypoints().Keys(), (QList<qint16>{0, 1, 2, 5}));
    EXPECT_EQ(data.Trail(1)->NumPoints(), 1300);
}

class CardTransfer : public Transfer {
protected:
    CardTransfer() {
        pod.Ports().SetReaderFolder(1, card.path());
        session.SetLPTPort(1);
        session.OpenLPTPort();
    }
    QTemporaryDir card;
};

TEST_F(CardTransfer, TheDataSetGoesOntoTheCardAndComesBack) {
    ASSERT_TRUE(session.LPTPortOpen());
    FillEveryKind(data);
    ASSERT_TRUE(Run([&] { engine.Upload({}); }));
    EXPECT_EQ(results.last(), true);
    EXPECT_EQ(StatusTexts().last(), QStringLiteral("Upload complete"));
    EXPECT_TRUE(progress.texts.contains(QStringLiteral("100%")));
    EXPECT_EQ(session.Pod().Store().waypoints.Count(), 0);

    gpsdata::GPSData copy;
    ASSERT_TRUE(ReadUnit(copy));
    EXPECT_EQ(testing_support::DataSetRecords(copy), testing_support::DataSetRecords(data));
    EXPECT_EQ(session.Pod().Store().trails.Count(), 0);
}
