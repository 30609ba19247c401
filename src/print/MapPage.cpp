#include "print/MapPage.h"

#include "mapview/WindowObject.h"
#include "print/PageFont.h"
#include "print/PageView.h"
#include "print/PageWriter.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace print {

namespace {
// The map window's pixels are taken as those of a 96 pixels-per-inch screen.
constexpr double ScreenDotsPerInch = 96;
constexpr double PointsPerInch = 72;
// The map keeps to the columns of the tables and ends above the page number.
constexpr double MapLeftColumn = 5;
constexpr double MapRightColumn = 75;
constexpr double MapBottomRow = PageWriter::LastRow + 1;
// The direct print: the scale line on row 2, the map below it, the notice
// under the map.
constexpr double ScaleRow = 2;
constexpr double ScaleMapRow = 3.5;
constexpr double NoticeGapRows = 0.5;
constexpr double ScaleLinePoints = 10;
constexpr double NoticePoints = 5;
} // namespace

double MapPage::MilesPerInch(double printedWidthPoints) const {
    return PointsPerInch * view_.ZoomRange() / printedWidthPoints;
}

QString MapPage::ScaleText(double milesPerInch) {
    const double scale = std::round(milesPerInch * 10) / 10;
    if (scale < 1)
        return QStringLiteral("Map Scale = 1 inch is less than a mile.");
    return QStringLiteral("Map Scale = ") + QString::number(scale) + QStringLiteral(" miles per inch.");
}

QString MapPage::NoticeText() {
    return QStringLiteral("Printed with Terrafold. Map data are simplified and may be out of date: "
                          "do not use this map for navigation.");
}

QRectF MapPage::Place(const QRectF& area, double dotsPerInch, bool expand) const {
    if (expand || view_.MapPicture.Width <= 0 || view_.MapPicture.Height <= 0)
        return area;
    const QSizeF own =
        QSizeF(view_.MapPicture.Width, view_.MapPicture.Height) * (dotsPerInch / ScreenDotsPerInch);
    return QRectF(area.topLeft(), own.scaled(area.size().boundedTo(own), Qt::KeepAspectRatio));
}

void MapPage::Draw(QPainter& painter, const QRectF& target, bool drawBorders) const {
    if (target.width() <= 0 || target.height() <= 0 || view_.MapPicture.Width <= 0)
        return;
    const PageView page(view_, target.height() / target.width());
    painter.save();
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    const double scale = target.width() / view_.MapPicture.Width;
    painter.scale(scale, scale);
    layers_.Draw(painter, view_, drawBorders);
    painter.restore();
    painter.save();
    painter.setPen(QPen(Qt::black, target.width() / 1000));
    painter.drawRect(target);
    painter.restore();
}

void MapPage::Lay(PageWriter& writer, const QString& mapName, bool drawBorders, bool expand) const {
    if (drawBorders && !mapName.isEmpty())
        writer.Section(QStringLiteral("Map ") + mapName, {}, {});
    QPainter* painter = writer.Painter();
    if (!painter)
        return;
    const PageGrid& grid = writer.Grid();
    const QRectF area(grid.At(MapLeftColumn, writer.CurrentRow()), grid.At(MapRightColumn, MapBottomRow));
    Draw(*painter, Place(area, painter->device()->logicalDpiX(), expand), drawBorders);
}

void MapPage::PrintWithScale(QPagedPaintDevice& device) const {
    QPainter painter(&device);
    const PageGrid grid(QRectF(0, 0, device.width(), device.height()));
    const double dpi = device.logicalDpiX();
    const QRectF area(grid.At(MapLeftColumn, ScaleMapRow), grid.At(MapRightColumn, MapBottomRow));
    const QRectF map = Place(area, dpi, false);
    Draw(painter, map, true);
    const auto write = [&](QPointF at, double points, const QString& text) {
        painter.setFont(PageFont::Text(points));
        painter.drawText(QRectF(at, QPointF(grid.Area().right(), grid.Area().bottom())),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    };
    write(grid.At(MapLeftColumn, ScaleRow), ScaleLinePoints,
          ScaleText(MilesPerInch(map.width() / dpi * PointsPerInch)));
    write(QPointF(map.left(), map.bottom() + NoticeGapRows * grid.CellHeight()), NoticePoints, NoticeText());
}

} // namespace print
