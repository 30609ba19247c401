#pragma once

#include "mastermap/At5Writer.h"

#include <QString>

#include <cstdint>
#include <vector>

// Makes the levels of detail of a master map file as it is built: its
// features simplified (SharedEdgeSimplifier) at tolerances that double from
// FinestTolerance, less the named places too small for a view of the level's
// scales to name, each level kept only where it leaves out enough of the
// vertices of the last level kept to be worth reading instead, written
// beside the master map file (DetailLevelWriter).
class DetailLevelBuilder {
public:
    static constexpr std::uint32_t FinestTolerance = 100;
    static constexpr int Tolerances = 8;
    // A level is kept when it holds at most this part of the vertices of
    // the level below it.
    static constexpr double WorthKeeping = 0.75;

    // Returns an empty text on success, the reason otherwise; `report` gets
    // one line a level kept.
    static QString Build(const mastermap::At5Writer& master, const QString& masterPath,
                         std::vector<QString>* report = nullptr);
};
