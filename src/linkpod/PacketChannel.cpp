#include "linkpod/PacketChannel.h"

#include "linkpod/FrameEncoder.h"
#include "linkpod/LinkTransport.h"

namespace linkpod {

namespace {
constexpr int AckBaseMs = 500;
}

PacketChannel::PacketChannel(LinkTransport* transport, QObject* parent)
    : QObject(parent), transport_(transport) {
    ackTimer_.setSingleShot(true);
    connect(&ackTimer_, &QTimer::timeout, this, &PacketChannel::OnAckTimeout);
    connect(transport_, &LinkTransport::BytesArrived, this, &PacketChannel::OnBytes);
}

int PacketChannel::WireTimeMs(qsizetype bytes) const {
    // Ten bits a byte: start, eight data bits, stop.
    return static_cast<int>(bytes * 10 * 1000 / rate_);
}

int PacketChannel::AckTimeoutMs(qsizetype bytes) const {
    return AckBaseMs + 2 * WireTimeMs(bytes + 64);
}

void PacketChannel::Send(Command kind, std::uint16_t device, const QByteArray& payload) {
    Frame f;
    f.kind = static_cast<std::uint8_t>(kind);
    f.device = device;
    f.payload = payload;
    queue_.push_back(std::move(f));
    if (queue_.size() == 1) {
        queue_.front().seq = nextSeq_++;
        attempts_ = 0;
        Transmit();
    }
}

void PacketChannel::Reset() {
    ackTimer_.stop();
    queue_.clear();
    decoder_.Reset();
    lastReceivedSeq_.reset();
    nextSeq_ = 0;
    attempts_ = 0;
}

void PacketChannel::Transmit() {
    if (queue_.empty())
        return;
    const QByteArray bytes = EncodeFrame(queue_.front());
    ++attempts_;
    ackTimer_.start(AckTimeoutMs(bytes.size()));
    transport_->Write(bytes);
}

void PacketChannel::OnAckTimeout() {
    if (queue_.empty())
        return;
    if (attempts_ <= retries_) {
        Transmit();
        return;
    }
    const Frame lost = queue_.front();
    queue_.clear();
    emit Undeliverable(lost);
}

void PacketChannel::OnBytes(const QByteArray& bytes) {
    for (const Frame& f : decoder_.Feed(bytes))
        OnFrame(f);
}

void PacketChannel::OnFrame(const Frame& frame) {
    if (frame.kind == static_cast<std::uint8_t>(Command::Ack)) {
        if (queue_.empty() || frame.seq != queue_.front().seq)
            return; // late Ack of a packet already resent and acknowledged
        ackTimer_.stop();
        const Frame done = queue_.front();
        queue_.pop_front();
        if (!queue_.empty()) {
            queue_.front().seq = nextSeq_++;
            attempts_ = 0;
            Transmit();
        }
        emit Delivered(done);
        return;
    }
    Frame ack;
    ack.kind = static_cast<std::uint8_t>(Command::Ack);
    ack.seq = frame.seq;
    ack.device = frame.device;
    transport_->Write(EncodeFrame(ack));
    // A Probe always starts a new session, so it is never taken for a repeat.
    const bool probe = frame.kind == static_cast<std::uint8_t>(Command::Probe);
    if (!probe && lastReceivedSeq_ == frame.seq)
        return;
    lastReceivedSeq_ = frame.seq;
    emit Received(frame);
}

} // namespace linkpod
