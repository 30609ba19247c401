#include "mapview/ScaleBar.h"

#include "geo/DistanceUnits.h"
#include "mapview/PinnedFonts.h"
#include "mapview/WindowObject.h"

#include <QPainter>
#include <QPainterPath>
#include <QRect>

#include <cmath>

namespace mapview {

namespace {

constexpr double WidthShare = 0.2;
constexpr int Inset = 10;
constexpr int TickHeight = 6;

double RoundDown125(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {5.0, 2.0, 1.0})
        if (step * power <= value)
            return step * power;
    return power;
}

QString NumberText(double value) {
    // Steps below one keep their decimals ("0.5"), larger ones none.
    return value >= 1 ? QString::number(value, 'f', 0) : QString::number(value, 'g', 3);
}

} // namespace

ScaleBar::Length ScaleBar::Choose(const WindowObject& view, double widthPixels) {
    if (widthPixels <= 0 || view.ZoomRange() <= 0)
        return {};
    const double unitsPerPixel = view.MilesToDistance(view.ZoomRange()) / widthPixels;
    if (!(unitsPerPixel > 0) || !std::isfinite(unitsPerPixel))
        return {};
    const double length = RoundDown125(unitsPerPixel * widthPixels * WidthShare);
    return {length / unitsPerPixel, NumberText(length) + geo::DistanceSuffix(view.DistanceUnits)};
}

void ScaleBar::Paint(QPainter& painter, const WindowObject& view, const QRect& area) {
    const Length bar = Choose(view, area.width());
    if (bar.pixels < 1)
        return;
    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing);
    const double left = area.left() + Inset, base = area.bottom() - Inset;
    const double right = left + bar.pixels;
    QFont font = PinnedFonts::Font(QStringLiteral("Arial"));
    font.setPixelSize(12);

    QPainterPath path;
    path.moveTo(left, base - TickHeight);
    path.lineTo(left, base);
    path.lineTo(right, base);
    path.lineTo(right, base - TickHeight);
    const QPointF textAt(left + 4, base - 4);
    QPainterPath text;
    text.addText(textAt, font, bar.label);

    // The halo first, so the bar and its label stand out over any colour.
    const QPen halo(QColor(255, 255, 255, 220), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.strokePath(path, halo);
    painter.strokePath(text, QPen(QColor(255, 255, 255, 220), 3));
    painter.strokePath(path, QPen(Qt::black, 1.5));
    painter.fillPath(text, Qt::black);
    painter.restore();
}

} // namespace mapview
