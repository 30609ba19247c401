#pragma once

#include "linkpod/Frame.h"

#include <QByteArrayView>

#include <vector>

namespace linkpod {

// Pure state machine that finds frames in a byte stream. It never blocks and
// never looks at a clock: the transport feeds it whatever arrived. Garbage,
// truncated and corrupted frames are dropped and counted; the next flag byte
// always starts afresh, so one bad byte costs at most the frame it hit.
class FrameDecoder {
public:
    // Decodes `bytes` and returns the frames completed by them, in order.
    std::vector<Frame> Feed(QByteArrayView bytes);

    // Forgets a partly received frame (after a port was reopened).
    void Reset();

    // Runs of bytes that were not a valid frame (bad CRC, bad length, too
    // short, too long, broken escape).
    int BadFrames() const { return badFrames_; }

private:
    enum class State { Hunting, Collecting, Escaped };

    void EndOfBody(std::vector<Frame>& out);
    void Discard();

    State state_ = State::Hunting;
    QByteArray body_;
    int badFrames_ = 0;
};

} // namespace linkpod
