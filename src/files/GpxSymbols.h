#pragma once

#include <QString>

#include <optional>

namespace files {

// The GPX `sym` names of our waypoint symbols. Other programs name their
// symbols in words ("Flag, Blue", "Boat Ramp"), so a name is matched to the
// nearest of ours: the same name (ours, the one we write, or a common other
// one), else the longest of those names that stands as whole words in it.
// The table is in docs/gpx.md.
class GpxSymbols {
public:
    // The name written for a symbol; empty for numbers without one.
    static QString Name(int symbol);
    // The symbol a `sym` text stands for; none when no name comes near it.
    static std::optional<int> Symbol(const QString& name);
};

} // namespace files
