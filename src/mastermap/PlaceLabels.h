#pragma once

#include "mastermap/Feature.h"
#include "mastermap/PlaceNameCache.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QPainter;

namespace mastermap {

// The names of places on the map. The larger places (by rank) are labelled
// first, each name beside its place (right of it, else left) with a white
// halo; a name that would come near another or be cut by the picture's edge
// is left out, and so is its place's dot, so that a wide view shows the
// large places and a close one the small places as well.
class PlaceLabels {
public:
    // Names are drawn through `names`, which may outlive the labels.
    PlaceLabels(const QFont& font, PlaceNameCache& names) : font_(font), names_(names) {}

    // A named place at its position in the painter's coordinates, with the
    // colour of its dot. The name's bytes must outlive the drawing.
    void Add(std::uint32_t rank, std::string_view name, QPointF at, const QColor& dot) {
        places_.push_back({rank, name, at, dot});
    }
    void Add(const Feature& place, QPointF at, const QColor& dot) { Add(place.rank, place.name, at, dot); }
    // Draws what fits inside `area` (the picture, in the painter's
    // coordinates); returns the names drawn, in the order they were placed.
    std::vector<std::string> Draw(QPainter& painter, const QRectF& area);

    // A place of this rank (population) or more is written larger and in bold.
    static constexpr std::uint32_t CityRank = 500000;
    static constexpr std::uint32_t TownRank = 100000;

private:
    struct Place {
        std::uint32_t rank;
        std::string_view name;
        QPointF at;
        QColor dot;
    };
    // The grid of placed labels, so that a candidate is checked only against
    // its neighbours.
    class Taken {
    public:
        bool Free(const QRectF& r) const;
        void Add(const QRectF& r);

    private:
        static constexpr double Cell = 64;
        static std::vector<std::int64_t> Cells(const QRectF& r);
        std::unordered_map<std::int64_t, std::vector<QRectF>> cells_;
    };

    QFont FontFor(std::uint32_t rank) const;

    QFont font_;
    PlaceNameCache& names_;
    std::vector<Place> places_;
};

} // namespace mastermap
