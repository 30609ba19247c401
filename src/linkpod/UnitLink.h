#pragma once

#include "linkpod/Command.h"
#include "linkpod/LinkRequest.h"
#include "linkpod/PacketChannel.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace linkpod {

class LinkTransport;

// The host's side of the unit link on one port: probes for a unit, then runs
// requests one at a time, each waiting for its reply. Only a reply that
// answers the open request (ReplyMatcher) closes it; others the host did not
// ask for are handed up as announcements (identification, card devices) or
// counted as stray messages.
//
// The wait for a reply starts once the unit acknowledged the request. When
// no reply comes, the link asks the unit for its memory status before it
// reports the time-out: a unit that answers that is there and only dropped
// one request (TimedOut); a unit that does not is gone (Gone).
class UnitLink : public QObject {
    Q_OBJECT
public:
    UnitLink(int port, std::unique_ptr<LinkTransport> transport, QObject* parent = nullptr);
    ~UnitLink() override;

    int Port() const { return port_; }
    int Rate() const { return channel_.LineRate(); }
    bool Open(const QString& path, int rate);
    void Close();
    QString ErrorText() const;

    // Sends a probe; the answer comes as Answered, silence as NoAnswer.
    void Probe();
    bool Answered() const { return device_ != 0; }
    std::uint16_t Device() const { return device_; }

    // Queues a request for `device`; `reply` is the packet kind that answers
    // it (a Result packet always does too). A follow-up request (the next
    // part of a reply in several parts) goes before every queued one.
    void Request(Command kind, std::uint16_t device, const QByteArray& payload, Command reply,
                 bool followUp = false);
    bool Busy() const { return !requests_.empty(); }
    // Forgets the queued requests that were not sent yet (an upload the unit
    // refused goes no further) and tells their kinds.
    std::vector<Command> DropQueued();

    static constexpr int StrayLimit = 5;

signals:
    void AnsweredProbe(std::uint16_t device, linkpod::LinkType type);
    void NoAnswer();
    void Replied(linkpod::Command request, const linkpod::Frame& reply);
    void Announced(const linkpod::Frame& frame);
    // A reply that keeps its request open (erase progress).
    void Progress(const linkpod::Frame& frame);
    // A request whose reply never came.
    void TimedOut(linkpod::Command request);
    void StrayMessages();
    void Gone(const QString& reason);

private:
    struct Pending {
        LinkRequest request;
        // Set for the memory status asked after a reply did not come: the
        // kind of the request that went unanswered.
        std::optional<Command> checking;
    };

    void OnFrame(const Frame& frame);
    void OnReply(const Frame& frame);
    void OnDelivered(const Frame& frame);
    void StartReplyWait(const LinkRequest& request);
    void OnUndeliverable(const Frame& frame);
    void SendNext();
    void OnReplyTimeout();
    void LoseUnit();
    void CountStray(int count = 1);

    int port_;
    std::unique_ptr<LinkTransport> transport_;
    PacketChannel channel_;
    QTimer probeTimer_;
    QTimer replyTimer_;
    std::deque<Pending> requests_;
    bool waiting_ = false;
    bool probing_ = false;
    std::uint16_t device_ = 0;
    std::uint32_t nonce_ = 0;
    int strays_ = 0;
    int badFramesSeen_ = 0;
};

} // namespace linkpod
