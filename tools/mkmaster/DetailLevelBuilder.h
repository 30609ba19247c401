#pragma once

#include "mastermap/At5Writer.h"

#include <QString>

#include <cstdint>
#include <vector>

// Makes the levels of detail of a master map file as it is built: its
// features simplified (SharedEdgeSimplifier) at tolerances that grow by Step
// from FinestTolerance, less the named places too small for a view of the level's
// scales to name, each level kept only where it leaves out enough of the
// vertices of the last level kept to be worth reading instead, written
// beside the master map file (DetailLevelWriter).
class DetailLevelBuilder {
public:
    // Tolerances grow by a factor of the square root of two: a view then
    // draws a level at most that much finer than it needs, where doubling
    // let the widest view of a level read twice the vertices.
    static constexpr std::uint32_t FinestTolerance = 100;
    static constexpr double Step = 1.4142135623730951;
    static constexpr int Tolerances = 15;
    // A level is kept when it holds at most this part of the vertices of
    // the level below it.
    static constexpr double WorthKeeping = 0.85;

    // Returns an empty text on success, the reason otherwise; `report` gets
    // one line a level kept.
    static QString Build(const mastermap::At5Writer& master, const QString& masterPath,
                         std::vector<QString>* report = nullptr);
};
