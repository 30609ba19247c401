#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>

namespace mapview {

// Waypoint names rendered once and kept between frames, each on its opaque
// white background: laying out and rasterising a thousand names anew for
// every frame costs more than the rest of the drawing.
class NameLabels {
public:
    static constexpr int MaxLabels = 8192;

    // The label of a name; a change of font, colour or pixel ratio forgets
    // every label. Its devicePixelRatio is the given ratio.
    const QImage& Label(const QString& name, const QFont& font, const QColor& colour, double pixelRatio);

private:
    QFont font_;
    QColor colour_;
    double pixelRatio_ = 0;
    QHash<QString, QImage> labels_;
};

} // namespace mapview
