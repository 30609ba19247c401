#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>

#include <string_view>
#include <vector>

namespace mastermap {

// Place names drawn once, each with its white halo, and kept as pictures
// between frames. Laying out a name costs far more than drawing it, and the
// halo is the name drawn eight more times: a wide view of a few hundred names
// spent most of its frame on them. A kept name is one copy a frame.
class PlaceNameCache {
public:
    static constexpr qsizetype MaxNames = 4000;
    // The white rim round each letter, in pixels.
    static constexpr double Halo = 2;

    // The name in a font and colour on a transparent picture of the given
    // pixel ratio, its halo inside: the text itself starts a halo's width in
    // from the left and top. A full cache forgets every name kept.
    const QImage& Label(std::string_view name, const QFont& font, const QColor& colour, double pixelRatio);

private:
    // The names of one font, colour and ratio (a map uses a few).
    struct Face {
        QFont font;
        QColor colour;
        double pixelRatio;
        QHash<QString, QImage> labels;
    };
    std::vector<Face> faces_;
    qsizetype count_ = 0;
};

} // namespace mastermap
