#pragma once

#include "FlashMemory.h"
#include "UnitConfig.h"
#include "UnitMemory.h"

#include "linkpod/CardFolder.h"
#include "linkpod/PacketChannel.h"

#include <QObject>

#include <memory>
#include <optional>
#include <vector>

namespace unitsim {

// A GPS unit on the far end of a line: answers probes with its identity,
// keeps items, cards and (in Dezav mode) flash partitions, and misbehaves as
// its fault options say.
class UnitEmulator : public QObject {
    Q_OBJECT
public:
    UnitEmulator(const UnitConfig& config, linkpod::LinkTransport* line, QObject* parent = nullptr);

signals:
    // The unit closed its line (the vanish fault).
    void Vanished();
    // The unit stopped answering (the silent fault).
    void FellSilent();

private:
    void OnFrame(const linkpod::Frame& frame);
    void Identify(const linkpod::Frame& probe);
    std::vector<Reply> HandleCard(linkpod::Command kind, linkpod::PayloadReader& in);
    Reply Directory() const;
    void Send(const Reply& reply, std::uint16_t device);
    // The late-reply fault: what the unit sends is held back until the host
    // has given up on the reply, then goes out in order.
    void HoldReplies();
    std::uint16_t CardDevice() const { return static_cast<std::uint16_t>(config_.deviceId + 0x100); }

    UnitConfig config_;
    linkpod::LinkTransport* line_;
    linkpod::PacketChannel channel_;
    UnitMemory memory_;
    FlashMemory flash_;
    std::vector<std::unique_ptr<linkpod::CardFolder>> cards_;
    std::uint32_t lastNonce_ = 0;
    bool probed_ = false;
    int received_ = 0;
    int blocks_ = 0; // map blocks received
    int writes_ = 0; // item writes received
    std::optional<std::vector<std::pair<Reply, std::uint16_t>>> held_;
    int cardFileRequests_ = 0;
};

} // namespace unitsim
