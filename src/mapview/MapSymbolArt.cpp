#include "mapview/MapSymbolArt.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace mapview {

namespace {

QPainterPath Closed(const QPolygonF& points) {
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// A regular polygon with n corners filling the rectangle.
QPainterPath RegularPolygon(const QRectF& r, int n, double startDegrees) {
    QPolygonF points;
    for (int i = 0; i < n; ++i) {
        const double a = (startDegrees + 360.0 * i / n) * 3.14159265358979 / 180;
        points << QPointF(r.center().x() + r.width() / 2 * std::cos(a),
                          r.center().y() + r.height() / 2 * std::sin(a));
    }
    return Closed(points);
}

QPainterPath ShieldOutline(std::int32_t type, const QRectF& r) {
    QPainterPath path;
    switch (type) {
    case 16: // interstate: notched top, rounded bottom
        path.moveTo(r.left(), r.top() + 2);
        path.quadTo(r.center().x(), r.top() - 1, r.right(), r.top() + 2);
        path.lineTo(r.right(), r.center().y());
        path.quadTo(r.right(), r.bottom(), r.center().x(), r.bottom());
        path.quadTo(r.left(), r.bottom(), r.left(), r.center().y());
        path.closeSubpath();
        return path;
    case 17: // national highway: flat top, tapering sides
        return Closed(QPolygonF({r.topLeft(),
                                 r.topRight(),
                                 {r.right(), r.center().y()},
                                 {r.center().x(), r.bottom()},
                                 {r.left(), r.center().y()}}));
    case 18:
        path.addEllipse(r);
        return path;
    case 20:
        path.addRoundedRect(r, 3, 3);
        return path;
    case 24:
        return RegularPolygon(r, 6, 0);
    case 25:
        return RegularPolygon(r, 8, 22.5);
    case 29:
        return Closed(QPolygonF({r.topLeft(),
                                 r.topRight(),
                                 {r.right(), r.bottom() - 3},
                                 {r.center().x(), r.bottom()},
                                 {r.left(), r.bottom() - 3}}));
    default:
        path.addRect(r);
        return path;
    }
}

QPainterPath PointGlyph(std::int32_t type, const QRectF& r) {
    QPainterPath path;
    const double s = std::min(r.width(), r.height());
    const QRectF square(r.center().x() - s / 2, r.center().y() - s / 2, s, s);
    switch (type % 6) {
    case 0:
        path.addEllipse(square);
        return path;
    case 1:
        path.addRect(square);
        return path;
    case 2:
        return Closed(QPolygonF({{r.center().x(), r.top()}, r.bottomRight(), r.bottomLeft()}));
    case 3:
        return RegularPolygon(r, 4, 90);
    case 4:
        return RegularPolygon(square, 5, -90);
    default:
        return RegularPolygon(r, 8, 22.5);
    }
}

} // namespace

SymbolArt MapSymbolArt(const SymbolObject& record) {
    const double margin = 0.5;
    if (record.SymbolClass == 3) {
        SymbolArt art(QSizeF(2 * record.TextX, 2 * record.HotY));
        const QRectF r(margin, margin, 2 * record.TextX - 2 * margin, 2 * record.HotY - 2 * margin);
        art.Add(ShieldOutline(record.SymbolType, r), Qt::white, Qt::black);
        return art;
    }
    const QSizeF size(std::max(2 * record.HotX, 4), std::max(2 * record.HotY, 4));
    SymbolArt art(size);
    const QRectF r(QPointF(margin, margin), size - QSizeF(2 * margin, 2 * margin));
    if (record.SymbolType == 105) { // the generic point: a ring round a dot
        QPainterPath dot;
        dot.addEllipse(r.center(), r.width() / 5, r.height() / 5);
        QPainterPath ring;
        ring.addEllipse(r);
        art.Add(ring, Qt::white, Qt::black).Add(dot, Qt::black, Qt::black);
        return art;
    }
    art.Add(PointGlyph(record.SymbolType, r), Qt::black, Qt::black);
    return art;
}

} // namespace mapview
