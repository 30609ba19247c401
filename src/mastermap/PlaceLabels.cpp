#include "mastermap/PlaceLabels.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace mastermap {

namespace {

constexpr double DotRadius = 2;
constexpr double Gap = 3; // between the dot and its name
constexpr double Halo = PlaceNameCache::Halo;
constexpr double Spacing = 4; // kept free round each name
const QColor TextColour(32, 32, 32);

} // namespace

std::vector<std::int64_t> PlaceLabels::Taken::Cells(const QRectF& r) {
    std::vector<std::int64_t> out;
    const auto first = [](double v) { return static_cast<std::int64_t>(std::floor(v / Cell)); };
    for (std::int64_t y = first(r.top()); y <= first(r.bottom()); ++y)
        for (std::int64_t x = first(r.left()); x <= first(r.right()); ++x)
            out.push_back(static_cast<std::int64_t>(static_cast<std::uint64_t>(y) << 32 ^
                                                    static_cast<std::uint32_t>(x)));
    return out;
}

bool PlaceLabels::Taken::Free(const QRectF& r) const {
    for (std::int64_t cell : Cells(r))
        if (const auto it = cells_.find(cell); it != cells_.end())
            for (const QRectF& other : it->second)
                if (other.intersects(r))
                    return false;
    return true;
}

void PlaceLabels::Taken::Add(const QRectF& r) {
    for (std::int64_t cell : Cells(r))
        cells_[cell].push_back(r);
}

QFont PlaceLabels::FontFor(std::uint32_t rank) const {
    QFont font = font_;
    font.setPixelSize(rank >= CityRank ? 13 : rank >= TownRank ? 11 : 10);
    font.setBold(rank >= CityRank);
    return font;
}

std::vector<std::string> PlaceLabels::Draw(QPainter& painter, const QRectF& area) {
    // Equal ranks go by name, so that a view always shows the same names.
    std::sort(places_.begin(), places_.end(), [](const Place& a, const Place& b) {
        return a.rank != b.rank ? a.rank > b.rank : a.name < b.name;
    });
    const std::uint32_t ranks[] = {CityRank, TownRank, 0};
    std::vector<QFont> fonts;
    std::vector<QFontMetricsF> metrics;
    for (std::uint32_t rank : ranks) {
        fonts.push_back(FontFor(rank));
        metrics.emplace_back(fonts.back());
    }
    std::vector<std::string> drawn;
    Taken taken;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // On screen a name is its kept picture, copied on whole device pixels. On
    // paper the halo is the outline stroked once: a page is drawn once, and a
    // PDF then holds each name once, for searching and copying.
    const bool onPaper = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf;
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1;
    for (const Place& place : places_) {
        // Most places of a wide view lie under a larger place's name: they
        // are passed over before their names are measured.
        const QRectF mark(place.at - QPointF(DotRadius, DotRadius), QSizeF(2 * DotRadius, 2 * DotRadius));
        if (!area.contains(place.at) || !taken.Free(mark))
            continue;
        const std::size_t tier = place.rank >= CityRank ? 0 : place.rank >= TownRank ? 1 : 2;
        const QImage& picture = names_.Label(place.name, fonts[tier], TextColour, ratio);
        const QSizeF size = picture.deviceIndependentSize();
        const QRectF right(QPointF(place.at.x() + DotRadius + Gap, place.at.y() - size.height() / 2), size);
        const QRectF left = right.translated(-(right.width() + 2 * (DotRadius + Gap)), 0);
        const QRectF* label = nullptr;
        const QMarginsF spacing(Spacing, Spacing, Spacing, Spacing);
        for (const QRectF* side : {&right, &left})
            if (!label && area.contains(*side) && taken.Free(*side + spacing))
                label = side;
        if (!label)
            continue;
        taken.Add(*label + spacing);
        taken.Add(mark);
        drawn.emplace_back(place.name);
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(place.dot);
        painter.drawEllipse(place.at, DotRadius, DotRadius);
        if (!onPaper) {
            painter.drawImage(
                QPointF(std::round(label->left() * ratio) / ratio, std::round(label->top() * ratio) / ratio),
                picture);
            continue;
        }
        const QString name = QString::fromUtf8(place.name.data(), static_cast<qsizetype>(place.name.size()));
        const QPointF baseline(label->left() + Halo, label->top() + Halo + metrics[tier].ascent());
        QPainterPath outline;
        outline.addText(baseline, fonts[tier], name);
        painter.strokePath(outline, QPen(Qt::white, 2 * Halo, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setFont(fonts[tier]);
        painter.setPen(TextColour);
        painter.drawText(baseline, name);
    }
    painter.restore();
    return drawn;
}

} // namespace mastermap
