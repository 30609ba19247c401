#include "mapview/WaypointSymbolSet.h"

#include <QPolygonF>

#include <cmath>
#include <initializer_list>

namespace mapview {

namespace {

const QColor Ink(0x20, 0x20, 0x20);
const QColor Red(0xD0, 0x30, 0x30);
const QColor Blue(0x20, 0x60, 0xC0);
const QColor Green(0x2A, 0x8A, 0x2A);
const QColor Yellow(0xF0, 0xC0, 0x20);
const QColor Brown(0x8A, 0x5A, 0x2A);
const QColor Grey(0x80, 0x80, 0x80);
const QColor White(Qt::white);

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath Polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    return path;
}

QPainterPath Circle(double cx, double cy, double r) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath Box(double x, double y, double w, double h, double radius = 0) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath Arc(double x, double y, double w, double h, double start, double sweep) {
    QPainterPath path;
    path.arcMoveTo(QRectF(x, y, w, h), start);
    path.arcTo(QRectF(x, y, w, h), start, sweep);
    return path;
}

QPainterPath Star(double cx, double cy, double outer, double inner) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = (i * 36 - 90) * 3.14159265358979 / 180;
        points << QPointF(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath Person(double x) {
    QPainterPath path = Circle(x, 3.5, 1.8);
    path.addPath(Polygon({{x - 2.5, 6.5}, {x + 2.5, 6.5}, {x + 2, 13.5}, {x - 2, 13.5}}));
    return path;
}

std::vector<WaypointSymbol> MakeSymbols() {
    using Art = SymbolArt;
    std::vector<WaypointSymbol> s;
    const auto add = [&](const char* name, Art art) {
        s.push_back({QString::fromLatin1(name), std::move(art)});
    };

    add("Symbol 1", Art().Add(Circle(8, 8, 6), White, Ink, 1.5).Add(Circle(8, 8, 2.5), Ink, Ink));
    add("Symbol 2", Art().Add(Box(3, 3, 10, 10), Blue, Ink));
    add("Symbol3", Art().Add(Polygon({{8, 2}, {14, 13}, {2, 13}}), Green, Ink));
    add("X Mark 1",
        Art().Stroke(Polyline({{3, 3}, {13, 13}}), Red, 2.5).Stroke(Polyline({{13, 3}, {3, 13}}), Red, 2.5));
    add("X Mark 2", Art()
                        .Add(Circle(8, 8, 6.5), White, Ink)
                        .Stroke(Polyline({{5, 5}, {11, 11}}), Red, 2)
                        .Stroke(Polyline({{11, 5}, {5, 11}}), Red, 2));
    add("Dot", Art().Add(Circle(8, 8, 3), Ink, Ink));
    add("Circle", Art().Add(Circle(8, 8, 5.5), White, Ink, 1.5));
    add("Square", Art().Add(Box(3, 3, 10, 10), White, Ink, 1.5));
    add("Triangle", Art().Add(Polygon({{8, 2.5}, {13.5, 13}, {2.5, 13}}), White, Ink, 1.5));
    add("Diamond", Art().Add(Polygon({{8, 1.5}, {14.5, 8}, {8, 14.5}, {1.5, 8}}), Red, Ink));
    add("Star", Art().Add(Star(8, 8.5, 7, 3), Yellow, Ink));
    add("Flag", Art()
                    .Stroke(Polyline({{4, 15}, {4, 1.5}}), Ink, 1.5)
                    .Add(Polygon({{4.5, 2}, {13, 4.5}, {4.5, 8}}), Red, Ink));
    add("Anchor", Art()
                      .Stroke(Circle(8, 3, 1.6), Ink, 1.3)
                      .Stroke(Polyline({{8, 4.6}, {8, 14}}), Ink, 1.6)
                      .Stroke(Polyline({{5, 7}, {11, 7}}), Ink, 1.4)
                      .Stroke(Arc(2.5, 6, 11, 8, 180, 180), Ink, 1.6));
    add("Boat", Art()
                    .Stroke(Polyline({{8, 2}, {8, 11}}), Ink, 1.2)
                    .Add(Polygon({{8.5, 2.5}, {13, 10}, {8.5, 10}}), White, Ink)
                    .Add(Polygon({{1.5, 11}, {14.5, 11}, {12, 14}, {4, 14}}), Brown, Ink));
    add("Buoy", Art()
                    .Add(Polygon({{6.5, 3}, {9.5, 3}, {12, 13}, {4, 13}}), Red, Ink)
                    .Add(Box(5, 7, 6, 2), White, QColor())
                    .Stroke(Polyline({{2, 14.5}, {14, 14.5}}), Blue, 1.2));
    add("Lighthouse", Art()
                          .Add(Polygon({{6, 5}, {10, 5}, {11.5, 15}, {4.5, 15}}), White, Ink)
                          .Add(Polygon({{5.6, 8}, {10.4, 8}, {10.8, 11}, {5.2, 11}}), Red, QColor())
                          .Add(Box(5.5, 1.5, 5, 3.5, 1), Yellow, Ink));
    add("Fish", Art()
                    .Add(Ellipse(7, 8, 5, 3.2), Blue, Ink)
                    .Add(Polygon({{11, 8}, {15, 4.5}, {15, 11.5}}), Blue, Ink)
                    .Add(Circle(4.5, 7.3, 0.8), White, QColor()));
    add("Diver Down",
        Art().Add(Box(1.5, 3, 13, 10), Red, Ink).Stroke(Polyline({{2, 3.5}, {14, 12.5}}), White, 2.2));
    add("Danger", Art()
                      .Add(Polygon({{8, 1.5}, {15, 14}, {1, 14}}), Yellow, Ink)
                      .Stroke(Polyline({{8, 6}, {8, 10}}), Ink, 1.8)
                      .Add(Circle(8, 12, 0.9), Ink, QColor()));
    add("House", Art()
                     .Add(Box(3.5, 7.5, 9, 7), White, Ink)
                     .Add(Polygon({{1.5, 8}, {8, 2}, {14.5, 8}}), Red, Ink)
                     .Add(Box(7, 10.5, 2.5, 4), Brown, QColor()));
    add("Car", Art()
                   .Add(Polygon({{1.5, 8}, {4, 4.5}, {11, 4.5}, {14.5, 8}, {14.5, 12}, {1.5, 12}}), Red, Ink)
                   .Add(Circle(4.5, 12.5, 1.8), Ink, Ink)
                   .Add(Circle(11.5, 12.5, 1.8), Ink, Ink));
    add("Fuel", Art()
                    .Add(Box(3, 3, 7, 11.5, 1), Green, Ink)
                    .Add(Box(4.5, 4.5, 4, 3), White, QColor())
                    .Stroke(Polyline({{10, 6}, {13, 8}, {13, 13}}), Ink, 1.3));
    add("Food", Art()
                    .Stroke(Polyline({{5, 2}, {5, 14}}), Ink, 1.5)
                    .Stroke(Polyline({{3, 2}, {3, 6}, {7, 6}, {7, 2}}), Ink, 1.2)
                    .Add(Polygon({{10, 2}, {12.5, 2}, {12.5, 14}, {11, 14}, {11, 9}, {10, 9}}), Ink, Ink));
    add("Lodging", Art()
                       .Add(Box(1.5, 9, 13, 3), Blue, Ink)
                       .Add(Box(2, 6.5, 4, 2.5, 1), White, Ink)
                       .Stroke(Polyline({{1.5, 4}, {1.5, 14}}), Ink, 1.5)
                       .Stroke(Polyline({{14.5, 9}, {14.5, 14}}), Ink, 1.5));
    add("Campground", Art()
                          .Add(Polygon({{8, 2}, {15, 14}, {1, 14}}), Green, Ink)
                          .Add(Polygon({{8, 7}, {10.5, 14}, {5.5, 14}}), White, Ink));
    add("Trail Head", Art()
                          .Stroke(Polyline({{7, 5}, {7, 15}}), Brown, 1.8)
                          .Add(Polygon({{2, 2}, {12, 2}, {14.5, 4.5}, {12, 7}, {2, 7}}), Yellow, Ink));
    add("Summit", Art()
                      .Add(Polygon({{8, 2}, {15, 14}, {1, 14}}), Brown, Ink)
                      .Add(Polygon({{8, 2}, {10.3, 6}, {8.8, 5.2}, {7.2, 6.2}, {5.7, 6}}), White, QColor()));
    add("Tree", Art().Add(Box(7, 9, 2, 6), Brown, Ink).Add(Circle(8, 6.5, 5), Green, Ink));
    add("Church", Art()
                      .Add(Polygon({{3, 8}, {8, 5}, {13, 8}, {13, 15}, {3, 15}}), White, Ink)
                      .Stroke(Polyline({{8, 0.8}, {8, 5}}), Ink, 1.4)
                      .Stroke(Polyline({{6.3, 2.3}, {9.7, 2.3}}), Ink, 1.4));
    add("Hospital", Art()
                        .Add(Box(1.5, 1.5, 13, 13, 1.5), White, Ink)
                        .Add(Polygon({{6.5, 3.5},
                                      {9.5, 3.5},
                                      {9.5, 6.5},
                                      {12.5, 6.5},
                                      {12.5, 9.5},
                                      {9.5, 9.5},
                                      {9.5, 12.5},
                                      {6.5, 12.5},
                                      {6.5, 9.5},
                                      {3.5, 9.5},
                                      {3.5, 6.5},
                                      {6.5, 6.5}}),
                             Red, QColor()));
    add("Telephone", Art()
                         .Stroke(Arc(2, 3, 12, 12, 20, 140), Ink, 3)
                         .Add(Box(1, 7, 4.5, 3.5, 1), Ink, Ink)
                         .Add(Box(10.5, 7, 4.5, 3.5, 1), Ink, Ink));
    add("Parking", Art()
                       .Add(Box(1.5, 1.5, 13, 13, 2), Blue, Ink)
                       .Stroke(Polyline({{6, 12.5}, {6, 3.5}, {9, 3.5}}), White, 2)
                       .Stroke(Arc(6, 3.5, 6, 5, 90, -180), White, 2)
                       .Stroke(Polyline({{9, 8.5}, {6, 8.5}}), White, 2));
    add("Airport", Art().Add(Polygon({{7.2, 1},
                                      {8.8, 1},
                                      {9.3, 6},
                                      {15, 9},
                                      {15, 10.5},
                                      {9.3, 9},
                                      {9, 12.5},
                                      {11, 14},
                                      {11, 15},
                                      {5, 15},
                                      {5, 14},
                                      {7, 12.5},
                                      {6.7, 9},
                                      {1, 10.5},
                                      {1, 9},
                                      {6.7, 6}}),
                             Ink, Ink, 0.5));
    add("Bridge", Art()
                      .Add(Box(0.5, 5, 15, 2.5), Grey, Ink)
                      .Stroke(Arc(3, 8, 10, 10, 0, 180), Ink, 1.5)
                      .Stroke(Polyline({{1, 14}, {15, 14}}), Blue, 1.5));
    add("Skull", Art()
                     .Add(Polygon({{4, 10}, {12, 10}, {11, 14.5}, {5, 14.5}}), White, Ink)
                     .Add(Ellipse(8, 6.5, 6, 5.2), White, Ink)
                     .Add(Circle(5.8, 7, 1.5), Ink, QColor())
                     .Add(Circle(10.2, 7, 1.5), Ink, QColor()));
    add("Deer", Art()
                    .Stroke(Polyline({{6, 7}, {4, 4}, {2, 2}}), Brown, 1.3)
                    .Stroke(Polyline({{4, 4}, {5, 1.5}}), Brown, 1.3)
                    .Stroke(Polyline({{10, 7}, {12, 4}, {14, 2}}), Brown, 1.3)
                    .Stroke(Polyline({{12, 4}, {11, 1.5}}), Brown, 1.3)
                    .Add(Polygon({{5, 6.5}, {11, 6.5}, {9.5, 14.5}, {6.5, 14.5}}), Brown, Ink));
    add("Duck", Art()
                    .Add(Ellipse(7, 10.5, 5.5, 3.5), Brown, Ink)
                    .Add(Circle(11, 5.5, 2.5), Green, Ink)
                    .Add(Polygon({{13.2, 5}, {15.5, 6}, {13.2, 6.8}}), Yellow, Ink, 0.6));
    add("Picnic", Art()
                      .Add(Box(1.5, 4, 13, 2.2), Brown, Ink)
                      .Stroke(Polyline({{4, 6.2}, {2.5, 14}}), Brown, 1.5)
                      .Stroke(Polyline({{12, 6.2}, {13.5, 14}}), Brown, 1.5)
                      .Stroke(Polyline({{1, 10}, {15, 10}}), Brown, 1.5));
    add("Binoculars", Art()
                          .Add(Box(6.5, 4, 3, 3), Ink, Ink)
                          .Add(Circle(4.5, 10, 3.5), Ink, Ink)
                          .Add(Circle(11.5, 10, 3.5), Ink, Ink)
                          .Add(Circle(4.5, 10, 1.5), Blue, QColor())
                          .Add(Circle(11.5, 10, 1.5), Blue, QColor()));
    add("Camera", Art()
                      .Add(Box(5, 3, 5, 3), Ink, Ink)
                      .Add(Box(1.5, 5, 13, 9, 1.5), Ink, Ink)
                      .Add(Circle(8, 9.5, 3), White, QColor())
                      .Add(Circle(8, 9.5, 1.7), Blue, QColor()));
    add("Swimming",
        Art()
            .Add(Circle(10.5, 4.5, 2), Ink, Ink)
            .Stroke(Polyline({{2, 8}, {8, 6}, {12, 9}}), Ink, 1.6)
            .Stroke(Polyline({{1, 11.5}, {3.5, 10}, {6, 11.5}, {8.5, 10}, {11, 11.5}, {13.5, 10}, {15, 11}}),
                    Blue, 1.4)
            .Stroke(Polyline({{1, 14.5}, {3.5, 13}, {6, 14.5}, {8.5, 13}, {11, 14.5}, {13.5, 13}, {15, 14}}),
                    Blue, 1.4));
    add("Shipwreck", Art()
                         .Add(Polygon({{1.5, 7}, {14.5, 11}, {12, 14.5}, {2, 11.5}}), Brown, Ink)
                         .Stroke(Polyline({{7, 8.5}, {9, 2}}), Ink, 1.4)
                         .Stroke(Polyline({{9.5, 1}, {11.5, 3}}), Ink, 1.4));
    add("Restroom", Art()
                        .Add(Person(4.5), Blue, Ink, 0.8)
                        .Add(Person(11.5), Red, Ink, 0.8)
                        .Stroke(Polyline({{8, 1}, {8, 15}}), Ink, 1));
    add("Information", Art()
                           .Add(Circle(8, 8, 6.8), Blue, Ink)
                           .Add(Circle(8, 4.6, 1.2), White, QColor())
                           .Stroke(Polyline({{8, 7}, {8, 12}}), White, 2.2));
    add("Broken Link", Art()
                           .Stroke(Box(0.8, 5, 7, 5, 2.5), Ink, 1.6)
                           .Stroke(Box(8.2, 6, 7, 5, 2.5), Ink, 1.6)
                           .Stroke(Polyline({{7, 2}, {8, 4}}), Red, 1.2)
                           .Stroke(Polyline({{9, 12}, {10, 14}}), Red, 1.2));
    add("Temporary", Art()
                         .Add(Polygon({{3.5, 1.5}, {12.5, 1.5}, {8, 8}, {12.5, 14.5}, {3.5, 14.5}, {8, 8}}),
                              White, Ink, 1.3)
                         .Add(Polygon({{5.5, 13.5}, {10.5, 13.5}, {8, 10}}), Yellow, QColor()));
    return s;
}

} // namespace

const std::vector<WaypointSymbol>& WaypointSymbolSet() {
    static const std::vector<WaypointSymbol> symbols = MakeSymbols();
    return symbols;
}

} // namespace mapview
