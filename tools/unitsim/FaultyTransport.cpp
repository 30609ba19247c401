#include "FaultyTransport.h"

#include "linkpod/Command.h"

namespace unitsim {

FaultyTransport::FaultyTransport(linkpod::LinkTransport* line, const UnitConfig& config, QObject* parent)
    : LinkTransport(parent), line_(line), dropAt_(config.dropReply), corruptEvery_(config.corruptEvery) {
    connect(line_, &LinkTransport::BytesArrived, this, &LinkTransport::BytesArrived);
    connect(line_, &LinkTransport::Lost, this, &LinkTransport::Lost);
}

void FaultyTransport::Write(const QByteArray& bytes) {
    if (mute_)
        return;
    // The kind follows the opening flag; kinds are never stuffed.
    const bool ack = bytes.size() > 1 && bytes[1] == static_cast<char>(linkpod::Command::Ack);
    if (ack) {
        line_->Write(bytes);
        return;
    }
    ++sent_;
    if (sent_ == dropAt_)
        return;
    if (corruptEvery_ > 0 && sent_ % corruptEvery_ == 0 && bytes.size() > 4) {
        QByteArray bad = bytes;
        const qsizetype at = bad.size() / 2;
        bad[at] = static_cast<char>(bad[at] == 'Z' ? 'Y' : 'Z');
        line_->Write(bad);
        return;
    }
    line_->Write(bytes);
}

} // namespace unitsim
