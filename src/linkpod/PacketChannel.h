#pragma once

#include "linkpod/Command.h"
#include "linkpod/Frame.h"
#include "linkpod/FrameDecoder.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <optional>

namespace linkpod {

class LinkTransport;

// Reliable delivery of packets over a LinkTransport, the same on both ends of
// the link: every packet but an Ack is acknowledged; one packet is in flight
// at a time and is sent again when its Ack does not come, up to Retries()
// times. A packet that arrives twice (its Ack was lost) is acknowledged again
// but handed up once.
class PacketChannel : public QObject {
    Q_OBJECT
public:
    explicit PacketChannel(LinkTransport* transport, QObject* parent = nullptr);

    // The line rate sets the time-outs: a slow line needs longer to carry a
    // packet and its Ack.
    void SetLineRate(int rate) { rate_ = rate > 0 ? rate : 9600; }
    int LineRate() const { return rate_; }
    void SetRetries(int retries) { retries_ = retries; }
    int Retries() const { return retries_; }

    void Send(Command kind, std::uint16_t device, const QByteArray& payload = {});

    // Drops whatever is queued or half received, and starts the sequence over
    // (a new session with the peer).
    void Reset();
    bool Idle() const { return queue_.empty(); }
    int BadFrames() const { return decoder_.BadFrames(); }

    // The time to wait for an Ack of a packet of `bytes` bytes.
    int AckTimeoutMs(qsizetype bytes) const;
    // The time the line needs for `bytes` bytes, in milliseconds.
    int WireTimeMs(qsizetype bytes) const;

signals:
    void Received(const linkpod::Frame& frame);
    void Delivered(const linkpod::Frame& frame);
    // The peer did not acknowledge `frame` after every retry; the queue was
    // dropped with it.
    void Undeliverable(const linkpod::Frame& frame);

private:
    void Transmit();
    void OnBytes(const QByteArray& bytes);
    void OnFrame(const Frame& frame);
    void OnAckTimeout();

    LinkTransport* transport_;
    FrameDecoder decoder_;
    std::deque<Frame> queue_;
    QTimer ackTimer_;
    int attempts_ = 0;
    int retries_ = 4;
    int rate_ = 9600;
    std::uint8_t nextSeq_ = 0;
    std::optional<std::uint8_t> lastReceivedSeq_;
};

} // namespace linkpod
