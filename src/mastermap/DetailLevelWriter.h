#pragma once

#include "mastermap/At5Writer.h"

#include <QString>

#include <vector>

namespace mastermap {

// Writes the level file of a master map file (DetailLevels reads it): the
// levels added, coarser and coarser, each as a whole ".at5" image. The file
// names the master map file's size and feature count, so that levels left
// beside a rebuilt master map file are not drawn.
class DetailLevelWriter {
public:
    // A level: features simplified to within `tolerance` internal units,
    // larger than the tolerance of the level added before.
    void Add(std::uint32_t tolerance, const At5Writer& level);
    std::size_t Count() const { return levels_.size(); }
    // Writes the levels of the master map file at masterPath (already
    // written) beside it. Returns an empty text on success, the reason otherwise.
    QString Write(const QString& masterPath) const;

private:
    struct Level {
        std::uint32_t tolerance;
        QByteArray image;
    };
    std::vector<Level> levels_;
};

} // namespace mastermap
