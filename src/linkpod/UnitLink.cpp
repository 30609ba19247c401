#include "linkpod/UnitLink.h"

#include "linkpod/LinkTransport.h"
#include "linkpod/PayloadReader.h"
#include "linkpod/PayloadWriter.h"
#include "linkpod/ReplyMatcher.h"

#include <QRandomGenerator>

namespace linkpod {

namespace {

constexpr int ProbeRetries = 2;
constexpr int ReplyBaseMs = 4000;

bool IsAnnouncement(std::uint8_t kind) {
    switch (static_cast<Command>(kind)) {
    case Command::Product:
    case Command::Limits:
    case Command::CardDevice:
        return true;
    default:
        return false;
    }
}

} // namespace

UnitLink::UnitLink(int port, std::unique_ptr<LinkTransport> transport, QObject* parent)
    : QObject(parent), port_(port), transport_(std::move(transport)), channel_(transport_.get()) {
    probeTimer_.setSingleShot(true);
    replyTimer_.setSingleShot(true);
    connect(&probeTimer_, &QTimer::timeout, this, [this] {
        probing_ = false;
        channel_.Reset();
        emit NoAnswer();
    });
    connect(&replyTimer_, &QTimer::timeout, this, &UnitLink::OnReplyTimeout);
    connect(&channel_, &PacketChannel::Received, this, &UnitLink::OnFrame);
    connect(&channel_, &PacketChannel::Delivered, this, &UnitLink::OnDelivered);
    connect(&channel_, &PacketChannel::Undeliverable, this, &UnitLink::OnUndeliverable);
    // Gone goes out before the requests are dropped: its receiver asks
    // whether one was under way.
    connect(transport_.get(), &LinkTransport::Lost, this, [this](const QString& reason) {
        emit Gone(reason);
        Close();
    });
}

UnitLink::~UnitLink() = default;

bool UnitLink::Open(const QString& path, int rate) {
    Close();
    channel_.SetLineRate(rate);
    return transport_->Open(path, rate);
}

void UnitLink::Close() {
    probeTimer_.stop();
    replyTimer_.stop();
    channel_.Reset();
    requests_.clear();
    waiting_ = probing_ = false;
    device_ = 0;
    strays_ = 0;
    transport_->Close();
}

QString UnitLink::ErrorText() const {
    return transport_->ErrorText();
}

void UnitLink::Probe() {
    channel_.Reset();
    requests_.clear();
    replyTimer_.stop();
    waiting_ = false;
    device_ = 0;
    probing_ = true;
    strays_ = 0;
    badFramesSeen_ = channel_.BadFrames();
    // A fresh nonce tells the unit this is a new session, not a repeat.
    nonce_ = QRandomGenerator::global()->generate() | 1u;
    channel_.SetRetries(ProbeRetries);
    channel_.Send(Command::Probe, BroadcastDevice, PayloadWriter().U32(nonce_).Data());
    probeTimer_.start((ProbeRetries + 1) * channel_.AckTimeoutMs(64) + channel_.AckTimeoutMs(256));
}

void UnitLink::Request(Command kind, std::uint16_t device, const QByteArray& payload, Command reply,
                       bool followUp) {
    Pending p{LinkRequest{kind, device, payload, reply}, std::nullopt};
    if (followUp && !waiting_)
        requests_.push_front(std::move(p));
    else
        requests_.push_back(std::move(p));
    if (!waiting_)
        SendNext();
}

std::vector<Command> UnitLink::DropQueued() {
    // The open request, if any, stays: its reply is on its way.
    const auto first = requests_.begin() + (waiting_ && !requests_.empty() ? 1 : 0);
    std::vector<Command> dropped;
    for (auto it = first; it != requests_.end(); ++it)
        dropped.push_back(it->request.kind);
    requests_.erase(first, requests_.end());
    return dropped;
}

void UnitLink::SendNext() {
    if (requests_.empty() || waiting_ || !Answered())
        return;
    const LinkRequest& r = requests_.front().request;
    waiting_ = true;
    channel_.Send(r.kind, r.device, r.payload);
}

// The unit took the request: from now on it owes the reply. Room for the
// largest reply and the unit's own time.
void UnitLink::OnDelivered(const Frame& frame) {
    if (!waiting_ || requests_.empty())
        return;
    const LinkRequest& r = requests_.front().request;
    if (frame.kind != static_cast<std::uint8_t>(r.kind) || frame.device != r.device ||
        frame.payload != r.payload)
        return;
    StartReplyWait(r);
}

void UnitLink::StartReplyWait(const LinkRequest& request) {
    replyTimer_.start(ReplyBaseMs + channel_.WireTimeMs(request.payload.size() + framing::MaxBody));
}

void UnitLink::OnReplyTimeout() {
    if (requests_.empty())
        return;
    if (requests_.front().checking)
        return LoseUnit(); // it took the check but answers nothing any more
    Pending unanswered = std::move(requests_.front());
    requests_.pop_front();
    waiting_ = false;
    requests_.push_front(
        Pending{LinkRequest{Command::GetMemory, device_, {}, Command::Memory}, unanswered.request.kind});
    SendNext();
}

void UnitLink::CountStray(int count) {
    strays_ += count;
    if (strays_ >= StrayLimit) {
        strays_ = 0;
        emit StrayMessages();
    }
}

void UnitLink::OnFrame(const Frame& frame) {
    // Broken packets on a line with a unit behind it are noise of the same
    // kind as stray messages (NMEA output, a second talker).
    const int bad = channel_.BadFrames() - badFramesSeen_;
    badFramesSeen_ = channel_.BadFrames();
    if (bad > 0 && Answered())
        CountStray(bad);

    const auto kind = static_cast<Command>(frame.kind);
    if (kind == Command::Hello) {
        if (!probing_)
            return CountStray();
        PayloadReader in(frame.payload);
        const auto type = static_cast<LinkType>(in.U8());
        const std::uint16_t device = in.U16();
        if (!in.Ok() || device == 0 || device == BroadcastDevice)
            return CountStray();
        probing_ = false;
        probeTimer_.stop();
        channel_.SetRetries(4);
        device_ = device;
        emit AnsweredProbe(device, type);
        SendNext();
        return;
    }
    if (!Answered())
        return;
    if (waiting_ && !requests_.empty()) {
        const LinkRequest& r = requests_.front().request;
        if (kind == Command::FlashProgress && r.kind == Command::EraseFlash && frame.device == r.device) {
            StartReplyWait(r); // the unit is at work: wait again
            emit Progress(frame);
            return;
        }
        if (ReplyMatcher::Answers(r, frame))
            return OnReply(frame);
    }
    if (IsAnnouncement(frame.kind)) {
        emit Announced(frame);
        return;
    }
    CountStray();
}

void UnitLink::OnReply(const Frame& frame) {
    const Pending answered = std::move(requests_.front());
    requests_.pop_front();
    waiting_ = false;
    replyTimer_.stop();
    if (answered.checking)
        emit TimedOut(*answered.checking); // the unit is there; that one reply was lost
    else
        emit Replied(answered.request.kind, frame);
    SendNext();
}

void UnitLink::OnUndeliverable(const Frame& frame) {
    if (static_cast<Command>(frame.kind) == Command::Probe)
        return; // the probe timer reports it
    LoseUnit();
}

// Gone goes out before the requests are dropped: its receiver asks whether
// one was under way.
void UnitLink::LoseUnit() {
    const bool wasAnswered = Answered();
    probeTimer_.stop();
    replyTimer_.stop();
    if (wasAnswered)
        emit Gone(QStringLiteral("The unit stopped answering."));
    requests_.clear();
    waiting_ = false;
    device_ = 0;
}

} // namespace linkpod
