#include "linkpod/RecordCodec.h"

#include <gtest/gtest.h>

using namespace linkpod;

TEST(RecordCodec, EveryRecordRoundTripsWithEveryField) {
    const UserWaypoint w{12,
                         10017,
                         3,
                         -2000000000,
                         1999999999,
                         -12.5f,
                         0xFFFFFFF0u,
                         QStringLiteral("Ölberg 1"),
                         QStringLiteral("a comment")};
    const UserRoute r{4, QStringLiteral("Home"), {1, 2, 65535}};
    const QList<TrailPoint> pts{{1, 2, false}, {-3, -4, true}};
    CardDirectory d;
    d.cardSlots.append(
        CardSlot{CardSlot::Card, true, 5'000'000'000ull, 1234, QStringLiteral("TRIP"), 64, false});
    d.files.append({CardFile{QStringLiteral("alps.ncm"), 99, CardFile::Map, 1'700'000'000u}});
    PayloadWriter out;
    codec::Put(out, w);
    codec::Put(out, r);
    codec::PutTrailPoints(out, pts);
    codec::Put(out, d);
    PayloadReader in(out.Data());
    EXPECT_EQ(codec::GetWaypoint(in), w);
    EXPECT_EQ(codec::GetRoute(in), r);
    EXPECT_EQ(codec::GetTrailPoints(in), pts);
    EXPECT_EQ(codec::GetCardDirectory(in), d);
    EXPECT_TRUE(in.Complete());
}

TEST(RecordCodecDefence, ACountLargerThanThePayloadIsRefusedWithoutAllocating) {
    PayloadWriter out;
    out.U16(1).Text("r").U16(60000); // route claiming 60000 waypoints, none follow
    PayloadReader in(out.Data());
    const UserRoute r = codec::GetRoute(in);
    EXPECT_FALSE(in.Ok());
    EXPECT_TRUE(r.waypoints.isEmpty());
}

TEST(RecordCodecDefence, AShortRecordYieldsAnEmptyOneAndAFailedReader) {
    PayloadWriter out;
    out.U16(5).U16(10001);
    PayloadReader in(out.Data());
    EXPECT_EQ(codec::GetWaypoint(in), UserWaypoint{});
    EXPECT_FALSE(in.Ok());
}

TEST(RecordCodecDefence, ATextTooLongIsCutAtACharacterBoundary) {
    const QString longText(40000, QChar(0x00E9)); // two UTF-8 bytes each
    PayloadWriter out;
    out.Text(longText);
    PayloadReader in(out.Data());
    const QString back = in.Text();
    EXPECT_TRUE(in.Complete());
    EXPECT_EQ(back, longText.left(back.size()));
    EXPECT_EQ(back.size(), 0xFFFF / 2);
}
