#include "TransferFixture.h"

using namespace comm_testing;
using comm::KindRange;
using comm::TransferSelection;

namespace {

class TransferFaults : public Transfer {
protected:
    // Waypoints 0..count-1, routes of three consecutive waypoints, two trails
    // (as many as a data set holds before a unit tells its own limits).
    void FillMany(int waypoints, int routes) {
        for (qint16 i = 0; i < waypoints; ++i)
            data.AddWaypoint(i, 100 * i, 50 * i, 0, QStringLiteral("P%1").arg(i), 1, 40000, 0);
        for (qint16 r = 0; r < routes; ++r)
            data.AddRoute(r, QStringLiteral("R%1").arg(r),
                          {qint16(3 * r), qint16(3 * r + 1), qint16(3 * r + 2)});
        for (qint16 t : {0, 1})
            data.AddTrail(t, QStringLiteral("T%1").arg(t), 0, 0, {1, 2, 3}, {4, 5, 6},
                          QList<bool>{false, true, true});
    }

    QStringList Questions() const {
        QStringList out;
        for (const auto& shown : prompt.shown)
            if (shown.buttons == ui::Buttons::YesNo)
                out << shown.text;
        return out;
    }
};

} // namespace

TEST_F(TransferFaults, StrayMessagesAreWarnedOfOnceAndNeverShortenADownload) {
    Start({"--stray", "5"});
    FillMany(71, 3);
    ASSERT_TRUE(Run([&] { engine.Upload({}); }));
    ASSERT_EQ(results.last(), true);
    ASSERT_TRUE(WaitFor([&] { return errors.contains(linkpod::LinkPod::StrayMessages); }));
    EXPECT_EQ(prompt.Texts().count(QStringLiteral("Several stray messages received.\r\n"
                                                  "If NMEA or DGPS output is turned on, turn it\r\n"
                                                  "off for better transfer rates and less errors.")),
              1);

    // A fresh session: the strays come again, right before the memory status.
    session.Disconnect();
    versions.clear();
    ConnectAt(115200);
    gpsdata::GPSData copy;
    ASSERT_TRUE(ReadUnit(copy));
    EXPECT_EQ(copy.CountWaypoints(), 71);
    EXPECT_EQ(copy.CountRoutes(), 3);
    EXPECT_EQ(copy.Trails().Keys(), (QList<qint16>{0, 1}));
    EXPECT_EQ(copy.Routes().Keys(), (QList<qint16>{0, 1, 2}));
}

TEST_F(TransferFaults, WhatDoesNotFitTheUnitIsToldBeforeAndNeverWrittenALongCommentCut) {
    Start({"--max-waypoints", "6", "--max-route-waypoints", "3", "--max-comment-bytes", "40"});
    FillMany(7, 2); // waypoint 6 is one past the unit's last slot
    data.Waypoint(0)->Comment = QString(9000, QLatin1Char('c'));
    data.AddRoute(2, QStringLiteral("Long"), {0, 1, 2, 3}); // longer than the unit's routes
    data.AddRoute(3, QStringLiteral("Far"), {5, 6});
    prompt.answers = {ui::Answer::No};
    ASSERT_TRUE(Run([&] { engine.Upload({}); }));
    EXPECT_EQ(results.last(), false);
    ASSERT_EQ(Questions().size(), 1);
    const QString question = Questions().first();
    EXPECT_TRUE(question.contains(
        QStringLiteral("Waypoint number 7 will not be sent: the unit has 6 waypoint slots.")))
        << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral(
        "Route number 3 will not be sent: it has 4 waypoints and the unit keeps 3 in a route.")));
    // Route 4 names waypoint 6, which the unit cannot hold.
    EXPECT_TRUE(question.contains(
        QStringLiteral("Route number 4 will not be sent: the unit cannot hold all of its waypoints.")))
        << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral(
        "Waypoint number 1: its comment is longer than the unit keeps (40 bytes) and will be cut.")));

    prompt.answers = {ui::Answer::Yes};
    ASSERT_TRUE(Run([&] { engine.Upload({}); }));
    EXPECT_EQ(results.last(), true) << prompt.Texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(StatusTexts().last(), QStringLiteral("Upload complete"));
    gpsdata::GPSData copy;
    ASSERT_TRUE(ReadUnit(copy));
    EXPECT_EQ(copy.Waypoints().Keys(), (QList<qint16>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(copy.Routes().Keys(), (QList<qint16>{0, 1}));
    EXPECT_EQ(copy.Waypoint(0)->Comment, QString(40, QLatin1Char('c')));
}

TEST_F(TransferFaults, AnUploadAskedAsTheUnitAnswersWaitsForItsLimits) {
    StartUnit({"--max-waypoints", "6"}, 115200);
    FillMany(7, 0);
    prompt.answers = {ui::Answer::No};
    // Measured before the unit told its limits, every waypoint was one too many for "0 slots".
    QObject::connect(&session, &comm::Connection::ConnectedStatusChanged, &engine, [this] {
        if (session.Connected() && results.isEmpty())
            engine.Upload({});
    });
    ASSERT_TRUE(Run([&] { ConnectAt(115200); }));
    ASSERT_EQ(Questions().size(), 1);
    EXPECT_EQ(Questions().first(),
              QStringLiteral("The unit cannot take everything selected:\r\nWaypoint number 7 "
                             "will not be sent: the unit has 6 waypoint slots.\r\nSend the rest?"));
}

TEST_F(TransferFaults, ARefusedBatchEndsTheUploadInWordsAndNothingOfTheNextKindIsWritten) {
    Start({"--refuse-write", "1"});
    FillMany(30, 4);
    // A memory status asked before the upload is answered before its writes
    // are: it must not be taken for the upload's confirmation.
    session.Pod().RequestMemoryStatus();
    ASSERT_TRUE(Run([&] {
        engine.Upload(
            {KindRange::Everything(), KindRange::Everything(), KindRange::Nothing(), KindRange::Nothing()});
    }));
    EXPECT_EQ(results.last(), false);
    EXPECT_FALSE(StatusTexts().contains(QStringLiteral("Upload complete")));
    EXPECT_TRUE(
        prompt.Texts().contains(QStringLiteral("The unit refused waypoint number 1: its memory is full.")))
        << prompt.Texts().join(QLatin1Char('\n')).toStdString();
    gpsdata::GPSData copy;
    ASSERT_TRUE(ReadUnit(copy));
    EXPECT_EQ(copy.CountWaypoints(), 0);
    EXPECT_EQ(copy.CountRoutes(), 0);
}

TEST_F(TransferFaults, AUnitFallingSilentMidDownloadEndsItWithNoConnectionAndDisconnects) {
    // Probe, memory status, the download's memory status; the first read is
    // taken and never answered.
    StartFilled({"--silent-after", "3"});
    ASSERT_TRUE(Run([&] { engine.Download({}); }));
    EXPECT_EQ(results.last(), false);
    EXPECT_EQ(prompt.Texts().count(QStringLiteral("No connection on COM 1.")), 1)
        << prompt.Texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(session.Connected());
    EXPECT_EQ(data.Waypoints().Keys(), (QList<qint16>{0, 1, 2, 5}));
}
