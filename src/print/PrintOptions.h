#pragma once

#include "print/PageRange.h"

#include <QList>

namespace print {

// What the print dialog chose: the kind, the objects by index, the page
// range and, for the map, whether borders are drawn and the map fills the page.
struct PrintOptions {
    enum class What { Waypoints, Routes, Icons, Map };

    What what = What::Waypoints;
    QList<qint16> items;
    PageRange range;
    bool drawBorders = false;
    bool expandMap = false;
    // The printer's quality: -4 high, -3 medium, -2 low, -1 draft.
    int quality = -4;
};

} // namespace print
