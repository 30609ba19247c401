#include "linkpod/Crc16.h"
#include "linkpod/FrameDecoder.h"
#include "linkpod/FrameEncoder.h"

#include <gtest/gtest.h>

using namespace linkpod;

namespace {

Frame Sample(std::uint8_t kind, QByteArray payload) {
    Frame f;
    f.kind = kind;
    f.seq = 7;
    f.device = 0x7E7D; // both special bytes in the header
    f.payload = std::move(payload);
    return f;
}

std::vector<Frame> DecodeAll(const QByteArray& bytes) {
    FrameDecoder d;
    return d.Feed(bytes);
}

} // namespace

TEST(Crc16, MatchesTheCcittFalseCheckValue) {
    EXPECT_EQ(Crc16("123456789"), 0x29B1);
}

TEST(Framing, AFrameComesBackAsItWasSent) {
    for (const QByteArray& payload : {QByteArray("\x7E\x7D\x00\x20 name", 9), QByteArray()}) {
        const Frame f = Sample(0x21, payload);
        const auto out = DecodeAll(EncodeFrame(f));
        ASSERT_EQ(out.size(), 1u);
        EXPECT_EQ(out[0], f);
    }
}

TEST(Framing, FlagAndEscapeBytesNeverAppearInsideAnEncodedFrame) {
    const QByteArray bytes = EncodeFrame(Sample(0x7E, QByteArray(300, '\x7E')));
    EXPECT_EQ(bytes.front(), framing::Flag);
    EXPECT_EQ(bytes.back(), framing::Flag);
    EXPECT_FALSE(bytes.mid(1, bytes.size() - 2).contains(framing::Flag));
}

TEST(Framing, FramesSplitIntoSingleBytesStillDecode) {
    const QByteArray bytes = EncodeFrame(Sample(1, "abc")) + EncodeFrame(Sample(2, "defg"));
    FrameDecoder d;
    std::vector<Frame> all;
    for (const char c : bytes)
        for (auto& f : d.Feed(QByteArrayView(&c, 1)))
            all.push_back(f);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].payload, "defg");
}

TEST(FramingRecovery, GarbageBeforeAndBetweenFramesIsSkipped) {
    const QByteArray bytes = QByteArray("$GPRMC,garbage*1F\r\n") + EncodeFrame(Sample(1, "one")) +
                             QByteArray("\x7E\x01\x02\x7D") + EncodeFrame(Sample(2, "two"));
    FrameDecoder d;
    const auto out = d.Feed(bytes);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].payload, "one");
    EXPECT_EQ(out[1].payload, "two");
    EXPECT_GE(d.BadFrames(), 1);
}

TEST(FramingRecovery, AnyFlippedBitDropsOnlyThatFrame) {
    const QByteArray good = EncodeFrame(Sample(3, "payload of a few bytes"));
    for (int at = 1; at < good.size() - 1; ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            QByteArray bad = good;
            bad[at] = static_cast<char>(bad[at] ^ (1 << bit));
            const auto out = DecodeAll(bad + good);
            ASSERT_FALSE(out.empty()) << at << ":" << bit;
            EXPECT_EQ(out.back(), Sample(3, "payload of a few bytes")) << at << ":" << bit;
            EXPECT_LE(out.size(), 1u) << "a corrupted frame got through at " << at << ":" << bit;
        }
    }
}

TEST(FramingRecovery, ATruncatedFrameIsDroppedAtTheNextFlag) {
    const QByteArray good = EncodeFrame(Sample(4, "whole"));
    FrameDecoder d;
    const auto out = d.Feed(good.left(good.size() / 2) + good);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].payload, "whole");
    EXPECT_EQ(d.BadFrames(), 1);
}

TEST(FramingRecovery, ALengthThatDisagreesWithTheBodyIsRefused) {
    Frame f = Sample(5, "abc");
    QByteArray bytes = EncodeFrame(f);
    bytes[5] = 4; // length byte (no escapes before it in this frame)
    FrameDecoder d;
    EXPECT_TRUE(d.Feed(bytes).empty());
    EXPECT_EQ(d.BadFrames(), 1);
}

TEST(FramingRecovery, AnEndlessRunWithoutFlagsNeverGrowsTheDecoder) {
    FrameDecoder d;
    const QByteArray noise(framing::MaxBody + 10, 'x');
    EXPECT_TRUE(d.Feed(QByteArray(1, framing::Flag) + noise).empty());
    const auto out = d.Feed(EncodeFrame(Sample(9, "after")));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].payload, "after");
}

TEST(FramingLimits, TheLargestPayloadPassesAndALargerOneIsCut) {
    const auto big = DecodeAll(EncodeFrame(Sample(1, QByteArray(framing::MaxPayload, 'a'))));
    ASSERT_EQ(big.size(), 1u);
    EXPECT_EQ(big[0].payload.size(), framing::MaxPayload);
    const auto cut = DecodeAll(EncodeFrame(Sample(1, QByteArray(framing::MaxPayload + 5, 'a'))));
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].payload.size(), framing::MaxPayload);
}
