#include "linkpod/FrameDecoder.h"

#include "linkpod/Crc16.h"

namespace linkpod {

namespace {

std::uint16_t Le16(const QByteArray& b, int at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      (static_cast<std::uint8_t>(b[at + 1]) << 8));
}

} // namespace

std::vector<Frame> FrameDecoder::Feed(QByteArrayView bytes) {
    std::vector<Frame> out;
    for (const char c : bytes) {
        if (c == framing::Flag) {
            if (state_ == State::Escaped)
                Discard();
            else if (state_ == State::Collecting)
                EndOfBody(out);
            state_ = State::Collecting;
            body_.clear();
            continue;
        }
        switch (state_) {
        case State::Hunting:
            break;
        case State::Collecting:
            if (c == framing::Escape)
                state_ = State::Escaped;
            else
                body_.append(c);
            break;
        case State::Escaped:
            body_.append(static_cast<char>(c ^ framing::EscapeXor));
            state_ = State::Collecting;
            break;
        }
        if (body_.size() > framing::MaxBody) {
            // Longer than any frame can be: wait for the next flag.
            Discard();
            state_ = State::Hunting;
        }
    }
    return out;
}

void FrameDecoder::Reset() {
    state_ = State::Hunting;
    body_.clear();
}

void FrameDecoder::Discard() {
    if (!body_.isEmpty())
        ++badFrames_;
    body_.clear();
}

void FrameDecoder::EndOfBody(std::vector<Frame>& out) {
    if (body_.isEmpty())
        return; // back-to-back flags
    const int minimum = framing::HeaderSize + framing::CrcSize;
    if (body_.size() < minimum) {
        Discard();
        return;
    }
    const int length = Le16(body_, 4);
    const int crcAt = body_.size() - framing::CrcSize;
    if (length != crcAt - framing::HeaderSize ||
        Crc16(QByteArrayView(body_).first(crcAt)) != Le16(body_, crcAt)) {
        Discard();
        return;
    }
    Frame f;
    f.kind = static_cast<std::uint8_t>(body_[0]);
    f.seq = static_cast<std::uint8_t>(body_[1]);
    f.device = Le16(body_, 2);
    f.payload = body_.mid(framing::HeaderSize, length);
    out.push_back(std::move(f));
    body_.clear();
}

} // namespace linkpod
