#pragma once

#include "mastermap/CategoryStyle.h"
#include "mastermap/MasterSet.h"

#include <QFont>
#include <QRectF>
#include <QTransform>

class QPainter;

namespace mastermap {

class PlaceNameCache;

// Draws the master map features of a rectangle into a QPainter: areas first,
// then lines, then points, each with its category's style, and last the
// names of named places (PlaceLabels). `toDevice` maps internal units to the
// painter's coordinates. Vertices closer than a pixel to the last drawn one
// are skipped, and where a file has levels of detail the coarsest that
// keeps within half a pixel of it is drawn (DetailLevels). High-detail files (county lines) are drawn only
// from the zoom on where a pixel covers HighDetailUnitsPerPixel or less: in a wider view their lines run
// together.
class MasterMapPainter {
public:
    static constexpr double HighDetailUnitsPerPixel = 1500;

    MasterMapPainter(const MasterSet& files, const CategoryStyles& styles) : files_(files), styles_(styles) {}

    // The face of the place names (their size follows the place's rank).
    void SetLabelFont(const QFont& font) { labelFont_ = font; }
    // Where names must fit, in the painter's coordinates: the picture. By
    // default the view drawn.
    void SetLabelArea(const QRectF& area) { labelArea_ = area; }
    // Where laid-out names are kept between drawings (by default, for one
    // drawing only).
    void SetNameCache(PlaceNameCache* names) { names_ = names; }

    // Only categories whose bit is set in `categories` are drawn.
    void Draw(QPainter& painter, const Rect& view, const QTransform& toDevice,
              std::uint64_t categories = ~0ull) const;

private:
    const MasterSet& files_;
    const CategoryStyles& styles_;
    QFont labelFont_;
    QRectF labelArea_;
    PlaceNameCache* names_ = nullptr;
};

} // namespace mastermap
