#include "print/PageWriter.h"

#include "gpsdata/Prompt.h"
#include "mapview/WaypointSymbolSet.h"
#include "print/PageFont.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace print {

namespace {
// Pending window events run every this many rows, so that Cancel is seen.
constexpr int EventRows = 10;
// An icon's symbol stands this part of a cell above its row.
constexpr double SymbolRise = 0.2;
} // namespace

PageWriter::PageWriter(PageRange range, int lastPage, QPagedPaintDevice* device, QPainter* painter,
                       ui::Progress* progress)
    : range_(range), device_(device), painter_(device ? painter : nullptr), progress_(progress),
      grid_(device ? QRectF(0, 0, device->width(), device->height()) : QRectF()), lastPage_(lastPage) {
    StartPage();
}

void PageWriter::StartPage() {
    printed_ = range_.Contains(page_) && painter_;
    if (!printed_)
        return;
    // The device comes with its first sheet; later printed pages ask for one.
    if (sheets_ > 0)
        device_->newPage();
    ++sheets_;
    if (progress_)
        progress_->SetText(QStringLiteral("Now printing page %1 of %2").arg(page_).arg(lastPage_));
    if (page_ > 1) {
        painter_->setFont(PageFont::Text());
        Text(PageNumberColumn, PageNumberRow, QString::number(page_));
    }
}

void PageWriter::NewPage() {
    ++page_;
    row_ = FirstRow;
    StartPage();
}

void PageWriter::Text(double column, double row, const QString& text) {
    const QPointF corner = grid_.At(column, row);
    painter_->drawText(QRectF(corner, QSizeF(grid_.Area().right() - corner.x(), 2 * grid_.CellHeight())),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void PageWriter::Header(const QString& title) {
    if (!printed_) {
        row_ += 3;
        return;
    }
    painter_->setFont(PageFont::Bold(12));
    Text(RuleStart, row_, title);
    ++row_;
    const double y = grid_.At(0, row_ + 0.5).y();
    painter_->save();
    painter_->setPen(QPen(Qt::black, grid_.CellHeight() / 16));
    painter_->drawLine(QPointF(grid_.At(RuleStart, 0).x(), y), QPointF(grid_.At(RuleEnd, 0).x(), y));
    painter_->restore();
    ++row_;
    painter_->setFont(PageFont::Bold());
    for (qsizetype i = 0; i < captions_.size() && i < columns_.size(); ++i)
        Text(columns_[i], row_, captions_[i]);
    ++row_;
}

void PageWriter::Section(const QString& title, const QStringList& captions, const QList<int>& columns) {
    continued_ = title + QStringLiteral(" (Continued)");
    captions_ = captions;
    columns_ = columns;
    Header(title);
}

void PageWriter::Gap() {
    row_ += SectionGap;
    if (row_ >= SectionBreakRow)
        NewPage();
}

bool PageWriter::Row(const TableRow& row) {
    // The page breaks only when there is a row to put on the next one, so a
    // table that ends on the last row leaves no empty page behind.
    if (row_ > LastRow) {
        NewPage();
        Header(continued_);
    }
    if (printed_) {
        painter_->setFont(PageFont::Text());
        for (qsizetype i = 0; i < row.cells.size() && i < columns_.size(); ++i)
            if (!row.cells[i].isEmpty())
                Text(columns_[i], row_, row.cells[i]);
        if (row.symbol >= 0 && columns_.size() > 1)
            DrawSymbol(row.symbol, grid_.At(columns_[1], row_ - SymbolRise));
    }
    ++row_;
    if (++rowsWritten_ % EventRows == 0)
        QCoreApplication::processEvents();
    cancelled_ = progress_ && progress_->Cancelled();
    return !cancelled_;
}

void PageWriter::DrawSymbol(int symbol, QPointF corner) {
    const auto& symbols = mapview::WaypointSymbolSet();
    const mapview::SymbolArt& art = symbols.at(symbol < int(symbols.size()) ? symbol : 0).Art;
    const double scale = grid_.CellHeight() / art.Size().height();
    painter_->save();
    painter_->translate(corner);
    painter_->scale(scale, scale);
    art.Paint(*painter_);
    painter_->restore();
}

} // namespace print
