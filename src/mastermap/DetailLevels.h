#pragma once

#include "mastermap/At5Reader.h"
#include "mastermap/MappedFile.h"

#include <QString>

#include <memory>
#include <vector>

namespace mastermap {

// The levels of detail of a master map file: simplified copies of its
// features, each a whole ".at5" image inside the level file beside it, so
// that a wide view reads and draws a few vertices a pixel instead of every
// vertex of the full-resolution file. A level file that is missing, damaged
// or made from another version of the master map file gives no levels: the
// full file is drawn. Only drawing uses levels; cutting reads the full file.
class DetailLevels {
public:
    static QString PathFor(const QString& masterPath);

    // Opens the level file of an open master map file.
    void Open(const At5Reader& master);
    std::size_t Count() const { return levels_.size(); }
    // The simplification tolerance of a level, in internal units.
    std::uint32_t Tolerance(std::size_t level) const { return levels_[level].tolerance; }
    const At5Reader& Level(std::size_t level) const { return *levels_[level].reader; }
    // What to draw at a scale: the coarsest level whose tolerance is within
    // lod::MaxPixelError of a pixel, else the master map file itself.
    const At5Reader& For(const At5Reader& master, double unitsPerPixel) const;

private:
    QString Read(const At5Reader& master);

    struct Entry {
        std::uint32_t tolerance;
        std::unique_ptr<At5Reader> reader;
    };
    MappedFile file_;
    std::vector<Entry> levels_;
};

} // namespace mastermap
