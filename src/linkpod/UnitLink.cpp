#include "linkpod/UnitLink.h"

#include "linkpod/LinkTransport.h"
#include "linkpod/PayloadReader.h"
#include "linkpod/PayloadWriter.h"

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
    case Command::Memory:
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
    if (followUp && !waiting_)
        requests_.push_front({kind, device, payload, reply});
    else
        requests_.push_back({kind, device, payload, reply});
    if (!waiting_)
        SendNext();
}

void UnitLink::SendNext() {
    if (requests_.empty() || waiting_ || !Answered())
        return;
    const Pending& p = requests_.front();
    waiting_ = true;
    channel_.Send(p.kind, p.device, p.payload);
    // Room for the request, the largest reply and the unit's own time.
    replyTimer_.start(ReplyBaseMs + channel_.WireTimeMs(p.payload.size() + framing::MaxBody));
}

void UnitLink::OnReplyTimeout() {
    if (requests_.empty())
        return;
    const Command kind = requests_.front().kind;
    requests_.pop_front();
    waiting_ = false;
    emit TimedOut(kind);
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
        const Pending& p = requests_.front();
        if (kind == Command::FlashProgress && p.kind == Command::EraseFlash) {
            replyTimer_.start(replyTimer_.interval());
            emit Progress(frame);
            return;
        }
        if (kind == p.reply || kind == Command::Result) {
            const Command request = p.kind;
            requests_.pop_front();
            waiting_ = false;
            replyTimer_.stop();
            emit Replied(request, frame);
            SendNext();
            return;
        }
    }
    if (IsAnnouncement(frame.kind)) {
        emit Announced(frame);
        return;
    }
    CountStray();
}

void UnitLink::OnUndeliverable(const Frame& frame) {
    if (static_cast<Command>(frame.kind) == Command::Probe)
        return; // the probe timer reports it
    const bool wasAnswered = Answered();
    probeTimer_.stop();
    replyTimer_.stop();
    requests_.clear();
    waiting_ = false;
    device_ = 0;
    if (wasAnswered)
        emit Gone(QStringLiteral("The unit stopped answering."));
}

} // namespace linkpod
