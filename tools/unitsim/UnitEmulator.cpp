#include "UnitEmulator.h"

#include "linkpod/Frame.h"
#include "linkpod/LinkTransport.h"
#include "linkpod/PayloadWriter.h"
#include "linkpod/RecordCodec.h"

#include <QFile>
#include <QTimer>

using namespace linkpod;

namespace unitsim {

namespace {

constexpr std::uint8_t StrayKind = 0x55;

} // namespace

UnitEmulator::UnitEmulator(const UnitConfig& config, LinkTransport* line, QObject* parent)
    : QObject(parent), config_(config), line_(line), channel_(line), memory_(config.limits),
      flash_(config.partitions, config.partitionSize, config.flashFile) {
    channel_.SetLineRate(config.rate);
    for (const QString& root : config.cards)
        cards_.push_back(std::make_unique<CardFolder>(root));
    connect(&channel_, &PacketChannel::Received, this, &UnitEmulator::OnFrame);
}

void UnitEmulator::Send(const Reply& reply, std::uint16_t device) {
    if (held_)
        return held_->push_back({reply, device});
    channel_.Send(reply.kind, device, reply.payload);
}

void UnitEmulator::HoldReplies() {
    held_.emplace();
    // The host waits 4 s and the line time of the largest reply after the
    // unit took a request; a second more makes the reply surely late.
    const int lateMs = 5000 + channel_.WireTimeMs(framing::MaxBody * 2);
    QTimer::singleShot(lateMs, this, [this] {
        const auto replies = std::exchange(held_, std::nullopt);
        for (const auto& [reply, device] : *replies)
            Send(reply, device);
    });
}

void UnitEmulator::OnFrame(const Frame& frame) {
    const bool forUs = frame.device == config_.deviceId || frame.device == BroadcastDevice ||
                       (!cards_.empty() && frame.device == CardDevice());
    if (!forUs)
        return;
    ++received_;
    if (config_.vanishAfter > 0 && received_ > config_.vanishAfter) {
        line_->Close();
        emit Vanished();
        return;
    }
    if (config_.silentAfter > 0 && received_ > config_.silentAfter) {
        emit FellSilent();
        return;
    }
    if (received_ == config_.lateReply)
        HoldReplies();

    const auto kind = static_cast<Command>(frame.kind);
    if (kind == Command::Probe) {
        Identify(frame);
        return;
    }
    if ((kind == Command::ProgramFlash || kind == Command::WriteCardFile) &&
        ++blocks_ == config_.refuseBlock) {
        Send(memory_.Result(kind, result::BadRequest), frame.device);
        return;
    }
    const bool itemWrite = kind == Command::PutWaypoint || kind == Command::PutRoute ||
                           kind == Command::PutIcon || kind == Command::OpenTrail;
    if (itemWrite && ++writes_ == config_.refuseWrite) {
        // Refused as a whole: the index is the first record's.
        Send(memory_.Result(kind, result::Full, PayloadReader(frame.payload).U16()), frame.device);
        return;
    }
    PayloadReader in(frame.payload);
    switch (kind) {
    case Command::GetProduct: {
        PayloadWriter w;
        codec::Put(w, config_.product);
        Send({Command::Product, w.Data()}, config_.deviceId);
        return;
    }
    case Command::GetLimits: {
        PayloadWriter w;
        codec::Put(w, config_.limits);
        Send({Command::Limits, w.Data()}, config_.deviceId);
        return;
    }
    case Command::GetMemory: {
        PayloadWriter w;
        codec::Put(w, memory_.Status());
        Send({Command::Memory, w.Data()}, config_.deviceId);
        return;
    }
    default:
        break;
    }
    if (config_.dezav) {
        const auto replies = flash_.Handle(kind, in, memory_);
        for (const auto& r : replies)
            Send(r, config_.deviceId);
        if (!replies.empty())
            return;
    } else if (frame.device == CardDevice()) {
        for (const auto& r : HandleCard(kind, in))
            Send(r, CardDevice());
        return;
    }
    if (const auto reply = memory_.Handle(kind, in)) {
        Send(*reply, config_.deviceId);
        return;
    }
    Send(memory_.Result(kind, result::Unsupported), config_.deviceId);
}

void UnitEmulator::Identify(const Frame& probe) {
    PayloadReader in(probe.payload);
    const std::uint32_t nonce = in.U32();
    if (probed_ && nonce == lastNonce_)
        return; // the same probe again: its Ack was lost
    probed_ = true;
    lastNonce_ = nonce;
    channel_.Reset();
    PayloadWriter hello;
    hello.U8(static_cast<std::uint8_t>(config_.dezav ? LinkType::Dezav : LinkType::Standard))
        .U16(config_.deviceId);
    Send({Command::Hello, hello.Data()}, config_.deviceId);
    PayloadWriter product;
    codec::Put(product, config_.product);
    PayloadWriter limits;
    codec::Put(limits, config_.limits);
    if (config_.limitsFirst)
        Send({Command::Limits, limits.Data()}, config_.deviceId);
    Send({Command::Product, product.Data()}, config_.deviceId);
    if (!config_.limitsFirst)
        Send({Command::Limits, limits.Data()}, config_.deviceId);
    if (!cards_.empty() && !config_.dezav)
        Send({Command::CardDevice, PayloadWriter().U16(CardDevice()).Data()}, config_.deviceId);
    for (int i = 0; i < config_.strayMessages; ++i)
        Send({static_cast<Command>(StrayKind), QByteArray("$GPRMC,stray")}, config_.deviceId);
}

Reply UnitEmulator::Directory() const {
    CardDirectory d;
    for (const auto& card : cards_) {
        d.cardSlots.append(card->Slot());
        d.files.append(card->Files());
    }
    PayloadWriter w;
    codec::Put(w, d);
    return {Command::CardList, w.Data()};
}

std::vector<Reply> UnitEmulator::HandleCard(Command kind, PayloadReader& in) {
    if (kind == Command::GetCards)
        return {Directory()};
    if (kind >= Command::StartCardFile && kind <= Command::ReadCardFile &&
        ++cardFileRequests_ == config_.loseCardReply)
        return {};
    const int slot = in.U8();
    CardFolder* card = slot < static_cast<int>(cards_.size()) ? cards_[slot].get() : nullptr;
    if (!card)
        return {memory_.Result(kind, CardFolder::InvalidDevice)};
    switch (kind) {
    case Command::EraseCardFile:
        return {memory_.Result(kind, card->EraseFile(in.U16()) ? result::Ok : result::BadIndex)};
    case Command::FormatCard:
        return {memory_.Result(kind, card->Format(in.Text()) ? result::Ok
                                                             : std::uint16_t{CardFolder::WriteProtected})};
    case Command::StartCardFile: {
        const QString name = in.Text();
        const std::uint64_t lo = in.U32();
        const std::uint64_t size = lo | (static_cast<std::uint64_t>(in.U32()) << 32);
        in.U32(); // date: the card keeps the time it was written
        in.U16(); // fixed value
        const bool replace = in.U8() != 0;
        const std::uint32_t handle = in.U32();
        if (!in.Ok())
            return {memory_.Result(kind, result::BadRequest)};
        if (config_.refuseStart > 0)
            return {memory_.Result(kind, static_cast<std::uint16_t>(config_.refuseStart), handle)};
        return {memory_.Result(
            kind, static_cast<std::uint16_t>(card->StartWrite(name, size, handle, replace)), handle)};
    }
    case Command::WriteCardFile: {
        const std::uint32_t handle = in.U32();
        const QByteArray bytes = in.Bytes();
        return {memory_.Result(kind,
                               in.Ok() && card->WriteBlock(handle, bytes) ? result::Ok : result::BadRequest)};
    }
    case Command::EndCardFile: {
        const std::uint32_t handle = in.U32();
        if (config_.refuseEnd) {
            card->AbortWrite(handle);
            return {memory_.Result(kind, result::BadRequest, handle)};
        }
        return {memory_.Result(kind, card->EndWrite(handle) ? result::Ok : result::BadRequest, handle)};
    }
    case Command::AbortCardFile: {
        // An unknown handle has nothing to abort: done all the same.
        card->AbortWrite(in.U32());
        return {memory_.Result(kind, result::Ok)};
    }
    case Command::ReadCardFile: {
        const QString name = in.Text();
        const std::uint32_t offset = in.U32();
        const std::uint16_t count = std::min<std::uint16_t>(in.U16(), 4096);
        QFile f(card->PathOf(name));
        if (!in.Ok() || !CardFolder::LegalName(name, false) || !f.open(QIODevice::ReadOnly))
            return {memory_.Result(kind, 1)};
        f.seek(offset);
        PayloadWriter w;
        w.U32(offset).U32(static_cast<std::uint32_t>(f.size())).Bytes(f.read(count));
        return {{Command::CardFileData, w.Data()}};
    }
    default:
        return {memory_.Result(kind, result::Unsupported)};
    }
}

} // namespace unitsim
