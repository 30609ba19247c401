#include "comm/MapBlocks.h"

namespace comm {

float MapBlocks::Percent(quint32 offset) const {
    return float(double(offset) * 100.0 / double(image_.DataLength()));
}

std::optional<MapBlocks::Block> MapBlocks::Next() {
    Block block;
    if (image_.GetPacket(block.bytes, offset_, BlockSize) == 0)
        return std::nullopt;
    block.address = offset_;
    block.percentBefore = Percent(offset_);
    offset_ += quint32(block.bytes.size());
    block.percentAfter = Percent(offset_);
    return block;
}

} // namespace comm
