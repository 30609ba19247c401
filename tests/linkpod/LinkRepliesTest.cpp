#include "LinkPodFixture.h"

#include "linkpod/FrameDecoder.h"
#include "linkpod/FrameEncoder.h"
#include "linkpod/LinkTransport.h"
#include "linkpod/PacketChannel.h"
#include "linkpod/PayloadWriter.h"
#include "linkpod/ReplyMatcher.h"

using namespace linkpod;
using namespace linkpod_testing;

namespace {

// A line that keeps what is written to it, and lets the test answer.
class RecordingLine : public LinkTransport {
public:
    bool Open(const QString&, int) override { return true; }
    void Close() override {}
    bool IsOpen() const override { return true; }
    void Write(const QByteArray& bytes) override {
        for (const Frame& f : decoder_.Feed(bytes))
            written.push_back(f);
    }
    QString ErrorText() const override { return {}; }
    void Acknowledge(const Frame& frame) {
        Frame ack;
        ack.kind = static_cast<std::uint8_t>(Command::Ack);
        ack.seq = frame.seq;
        ack.device = frame.device;
        emit BytesArrived(EncodeFrame(ack));
    }
    std::vector<Frame> written;

private:
    FrameDecoder decoder_;
};

Frame Reply(Command kind, std::uint16_t device, QByteArray payload) {
    Frame f;
    f.kind = static_cast<std::uint8_t>(kind);
    f.device = device;
    f.payload = std::move(payload);
    return f;
}

QByteArray ResultFor(Command request) {
    return PayloadWriter().U8(static_cast<std::uint8_t>(request)).U16(0).U32(0).Data();
}

} // namespace

TEST(PacketChannelSequence, AResetStartsTheNumberingOver) {
    EnsureApp();
    RecordingLine line;
    PacketChannel channel(&line);
    for (int i = 0; i < 3; ++i) {
        channel.Send(Command::GetMemory, 1);
        line.Acknowledge(line.written.back());
    }
    ASSERT_EQ(line.written.size(), 3u);
    EXPECT_EQ(line.written.back().seq, 2);
    channel.Reset();
    channel.Send(Command::GetMemory, 1);
    EXPECT_EQ(line.written.back().seq, 0);
}

TEST(ReplyMatching, AReplyMustComeFromTheDeviceAskedAndNameWhatWasAsked) {
    const LinkRequest read{Command::GetWaypoint, 0x2A01, PayloadWriter().U16(6).U8(4).Data(),
                           Command::Waypoint};
    auto slot = [](int index) { return PayloadWriter().U8(1).U16(static_cast<std::uint16_t>(index)).Data(); };
    EXPECT_TRUE(ReplyMatcher::Answers(read, Reply(Command::Waypoint, 0x2A01, slot(6))));
    EXPECT_FALSE(ReplyMatcher::Answers(read, Reply(Command::Waypoint, 0x2A01, slot(5)))); // a late reply
    EXPECT_FALSE(ReplyMatcher::Answers(read, Reply(Command::Waypoint, 0x2B01, slot(6))));
    EXPECT_FALSE(ReplyMatcher::Answers(read, Reply(Command::Route, 0x2A01, slot(6))));
    EXPECT_TRUE(ReplyMatcher::Answers(read, Reply(Command::Result, 0x2A01, ResultFor(Command::GetWaypoint))));
    EXPECT_FALSE(
        ReplyMatcher::Answers(read, Reply(Command::Result, 0x2A01, ResultFor(Command::PutWaypoint))));
    EXPECT_FALSE(ReplyMatcher::Answers(read, Reply(Command::Result, 0x2A01, {})));

    const LinkRequest part{Command::GetTrailPoints, 7, PayloadWriter().U16(2).U32(512).U16(512).Data(),
                           Command::TrailPoints};
    EXPECT_TRUE(
        ReplyMatcher::Answers(part, Reply(Command::TrailPoints, 7, PayloadWriter().U16(2).U32(512).Data())));
    EXPECT_FALSE(
        ReplyMatcher::Answers(part, Reply(Command::TrailPoints, 7, PayloadWriter().U16(2).U32(0).Data())));
}

class LateReplies : public LinkPodFixture {};

TEST_F(LateReplies, AReplyThatComesAfterItsRequestWasGivenUpIsNotTakenForTheNextOne) {
    // Packet 1 is the probe, 2 the memory status request, 3 the first read.
    StartUnit({"--late-reply", "3"}, 115200);
    Connect(115200);
    QList<int> read;
    QObject::connect(&pod, &LinkPod::Waypoint, [&](int index, bool, const UserWaypoint&) { read << index; });
    pod.ReadWaypoint(0);
    pod.ReadWaypoint(1);
    ASSERT_TRUE(WaitFor([&] { return read.size() == 1; }));
    EXPECT_EQ(read, QList<int>{1});
    EXPECT_EQ(errors, QList<int>{LinkPod::ReplyTimedOut});
    EXPECT_FALSE(pod.LastErrorText().isEmpty());
    EXPECT_FALSE(removed);
}

TEST_F(LateReplies, AUnitThatTakesARequestAndThenFallsSilentIsGoneWithConnectionLost) {
    // The unit takes the read (packet 3), then sends nothing, not even Acks.
    StartUnit({"--silent-after", "2"}, 115200);
    Connect(115200);
    pod.ReadWaypoint(0);
    ASSERT_TRUE(WaitFor([this] { return removed; }));
    EXPECT_EQ(errors, QList<int>{LinkPod::ConnectionLost});
}
