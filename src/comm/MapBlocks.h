#pragma once

#include "comm/FlashDataObject.h"

#include <QByteArray>

#include <optional>

namespace comm {

// Walks a map image in the blocks the unit takes one at a time, with the
// progress to show around each block.
class MapBlocks {
public:
    static constexpr quint32 BlockSize = 512;

    struct Block {
        quint32 address = 0;
        QByteArray bytes;
        float percentBefore = 0;
        float percentAfter = 0;
    };

    explicit MapBlocks(const FlashDataObject& image) : image_(image) {}

    // Starts again at the first byte.
    void Restart() { offset_ = 0; }
    // The next block, or nothing once every byte has been handed out.
    std::optional<Block> Next();

private:
    float Percent(quint32 offset) const;

    const FlashDataObject& image_;
    quint32 offset_ = 0;
};

} // namespace comm
