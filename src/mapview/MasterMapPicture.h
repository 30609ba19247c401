#pragma once

#include "mastermap/CategoryStyle.h"
#include "mastermap/Feature.h"

#include <QImage>
#include <QSizeF>
#include <QStringList>
#include <QTransform>

#include <functional>

class QPainter;

namespace mapview {

// The master map as last drawn for the display, kept as a picture in the
// display's device pixels (its device pixel ratio), so that lines, symbols
// and names are as sharp as the screen allows and a repaint that changes
// nothing of the master map (the pointer, a rubber band, a border being
// drawn) copies it instead of drawing it again. It is drawn again whenever
// anything it depends on differs: the view, the picture's size or ratio, the
// master map files in use, the layers switched on or a category's style.
// It is opaque: the master map on white paper.
class MasterMapPicture {
public:
    struct Key {
        mastermap::Rect view;
        QSizeF size;
        double ratio = 1;
        QTransform toDevice;
        std::uint64_t categories = 0;
        mastermap::CategoryStyles styles;
        QStringList files;
        bool operator==(const Key&) const = default;
    };
    using Drawing = std::function<void(QPainter&)>;

    // Whether a painter can take the picture: a raster device (a window,
    // an image), painted without a transform. Printers take vectors.
    static bool Suits(const QPainter& painter);
    // Paints the picture for `key`, drawing it first when it is not the
    // one kept.
    void Paint(QPainter& painter, const Key& key, const Drawing& draw);
    // The picture kept (null before the first paint).
    const QImage& Picture() const { return picture_; }

private:
    Key key_;
    QImage picture_;
};

} // namespace mapview
