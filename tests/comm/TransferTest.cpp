#include "SessionFixture.h"

#include "comm/TransferEngine.h"

using namespace comm_testing;
using comm::KindRange;
using comm::TransferSelection;

namespace {

class Transfer : public SessionFixture {
protected:
    Transfer() {
        engine.SetPrompt(&prompt);
        engine.SetProgress(&progress);
        engine.SetStatus(&status);
        QObject::connect(&engine, &comm::TransferEngine::Finished, [this](bool ok) { results << ok; });
    }

    void Fill(gpsdata::GPSData& set) {
        for (qint16 i : {0, 1, 2, 5})
            set.AddWaypoint(i, 1000 * i, -2000 * i, 0, QStringLiteral("Wpt%1").arg(i), i + 1, 40000.5, 0);
        set.AddRoute(3, QStringLiteral("Loop"), {0, 5, 2});
        set.AddLurchIcon(0, 11, 12, 4);
        set.AddLurchIcon(1, 21, 22, 6);
        QList<qint32> x, y;
        QList<bool> joined;
        for (int i = 0; i < 1300; ++i) {
            x << i * 7;
            y << -i * 3;
            joined << (i % 100 != 0);
        }
        set.AddTrail(1, QStringLiteral("Track"), 0, 0, x, y, joined);
    }

    bool Run(const std::function<void()>& start) {
        const auto before = results.size();
        start();
        return WaitFor([&] { return results.size() > before; });
    }

    comm::TransferEngine engine{session, data};
    testing_support::RecordingProgress progress;
    QList<bool> results;
};

} // namespace

TEST_F(Transfer, EverythingUploadedComesBackTheSame) {
    StartUnit({}, 115200);
    ConnectAt(115200);
    Fill(data);
    ASSERT_TRUE(Run([&] { engine.Upload({}); }));
    EXPECT_EQ(results.last(), true);
    EXPECT_EQ(StatusTexts().last(), QStringLiteral("Upload complete"));
    EXPECT_TRUE(progress.captions.contains(QStringLiteral("Uploading Trails")));

    gpsdata::GPSData copy;
    comm::TransferEngine back{session, copy};
    QList<bool> done;
    QObject::connect(&back, &comm::TransferEngine::Finished, [&](bool ok) { done << ok; });
    session.Pod().RequestMemoryStatus();
    back.Download({});
    ASSERT_TRUE(WaitFor([&] { return !done.isEmpty(); }));
    EXPECT_TRUE(done.value(0));
    ASSERT_EQ(copy.CountWaypoints(), 4);
    EXPECT_EQ(copy.Waypoint(5)->WptName(), QStringLiteral("Wpt5"));
    EXPECT_EQ(copy.Waypoint(5)->X(), 5000);
    EXPECT_EQ(copy.Waypoint(5)->WptSymbol(), 6);
    EXPECT_EQ(copy.Waypoint(5)->LurchDate(), data.Waypoint(5)->LurchDate());
    ASSERT_TRUE(copy.Route(3));
    EXPECT_EQ(copy.Route(3)->Waypoints(), (QList<qint16>{0, 5, 2}));
    ASSERT_EQ(copy.CountIcons(), 2);
    EXPECT_EQ(copy.Icon(1)->IcnSymbol(), 6);
    ASSERT_TRUE(copy.Trail(1));
    EXPECT_EQ(copy.Trail(1)->NumPoints(), 1300);
    EXPECT_EQ(copy.Trail(1)->PointX(1299), 1299 * 7);
    EXPECT_FALSE(copy.Trail(1)->Continuous(1200));
}

TEST_F(Transfer, ARangeWithAGapErasesTheUnitsSlotsAndAnEmptyRangeMovesNothing) {
    StartUnit({}, 115200);
    ConnectAt(115200);
    Fill(data);
    ASSERT_TRUE(Run([&] { engine.Upload({}); }));
    data.DeleteWaypoint(1);
    TransferSelection gap{KindRange::Indexes(0, 2), KindRange::Nothing(), KindRange::Nothing(),
                          KindRange::Nothing()};
    ASSERT_TRUE(Run([&] { engine.Upload(gap); }));

    gpsdata::GPSData copy;
    comm::TransferEngine back{session, copy};
    QList<bool> done;
    QObject::connect(&back, &comm::TransferEngine::Finished, [&](bool ok) { done << ok; });
    back.Download(
        {KindRange::Indexes(0, 9), KindRange::Indexes(5, 2), KindRange::Nothing(), KindRange::Nothing()});
    ASSERT_TRUE(WaitFor([&] { return !done.isEmpty(); }));
    EXPECT_EQ(copy.Waypoints().Keys(), (QList<qint16>{0, 2, 5}));
    EXPECT_EQ(copy.CountRoutes(), 0);
}

TEST_F(Transfer, ADownloadedRouteFetchesTheWaypointsItNamesThatAreNotHeld) {
    StartUnit({}, 115200);
    ConnectAt(115200);
    Fill(data);
    ASSERT_TRUE(Run([&] { engine.Upload({}); }));
    gpsdata::GPSData copy;
    comm::TransferEngine back{session, copy};
    QList<bool> done;
    QObject::connect(&back, &comm::TransferEngine::Finished, [&](bool ok) { done << ok; });
    back.Download(
        {KindRange::Nothing(), KindRange::Everything(), KindRange::Nothing(), KindRange::Nothing()});
    ASSERT_TRUE(WaitFor([&] { return !done.isEmpty(); }));
    EXPECT_EQ(copy.Waypoints().Keys(), (QList<qint16>{0, 5, 2}));
    EXPECT_EQ(copy.Route(3)->NumWaypoints(), 3);
}

TEST_F(Transfer, AUnitVanishingMidDownloadLeavesTheDataSetAsItWas) {
    StartUnit({QStringLiteral("--vanish-after"), QStringLiteral("12")}, 115200);
    ConnectAt(115200);
    Fill(data);
    session.Pod().RequestMemoryStatus();
    ASSERT_TRUE(Run([&] {
        engine.Download({KindRange::Indexes(0, 30), KindRange::Everything(), KindRange::Everything(),
                         KindRange::Everything()});
    }));
    EXPECT_EQ(results.last(), false);
    EXPECT_TRUE(prompt.Texts().contains(QStringLiteral("No connection on COM 1.")));
    EXPECT_EQ(data.Waypoints().Keys(), (QList<qint16>{0, 1, 2, 5}));
    ASSERT_TRUE(data.Route(3));
    EXPECT_EQ(data.Route(3)->Waypoints(), (QList<qint16>{0, 5, 2}));
    EXPECT_EQ(data.CountIcons(), 2);
    EXPECT_EQ(data.Trail(1)->NumPoints(), 1300);
}
