#pragma once

#include "print/PageGrid.h"
#include "print/PageRange.h"
#include "print/TableSection.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace ui {
class Progress;
}

namespace print {

// Lays titled tables out on the page grid, page after page, and draws the
// pages of the range on the device. Without a device nothing is drawn and the
// layout only counts pages, the same way a print would place them.
//
// A section's title is on the current row, its rule on the next and its
// captions on the one after; rows follow one per grid row. A row that would
// fall on row 40 or below goes to a new page under the section's title with
// " (Continued)". Pages after the first carry their number at the foot.
class PageWriter {
public:
    static constexpr int FirstRow = 2;
    static constexpr int LastRow = 39;
    static constexpr int RuleStart = 5;
    static constexpr int RuleEnd = 71;
    static constexpr int PageNumberColumn = 39;
    static constexpr int PageNumberRow = 41;
    // A section that would start on this row or below starts a new page.
    static constexpr int SectionBreakRow = 36;
    static constexpr int SectionGap = 2;

    // `lastPage` is the last page that will be sent, for the progress text.
    explicit PageWriter(PageRange range, int lastPage = 0, QPagedPaintDevice* device = nullptr,
                        QPainter* painter = nullptr, ui::Progress* progress = nullptr);

    void Section(const QString& title, const QStringList& captions, const QList<int>& columns);
    // Leaves the gap between two sections; a section that would start too low
    // goes to the next page.
    void Gap();
    // False once the user has cancelled: the caller stops.
    bool Row(const TableRow& row);

    int Page() const { return page_; }
    int CurrentRow() const { return row_; }
    int SheetsSent() const { return sheets_; }
    bool Printing() const { return printed_; }
    bool Cancelled() const { return cancelled_; }
    const PageGrid& Grid() const { return grid_; }
    // The painter of a printed page, null on pages outside the range.
    QPainter* Painter() const { return printed_ ? painter_ : nullptr; }

private:
    void StartPage();
    void NewPage();
    void Header(const QString& title);
    void Text(double column, double row, const QString& text);
    void DrawSymbol(int symbol, QPointF corner);

    PageRange range_;
    QPagedPaintDevice* device_;
    QPainter* painter_;
    ui::Progress* progress_;
    PageGrid grid_;
    int lastPage_;
    int page_ = 1;
    int row_ = FirstRow;
    int sheets_ = 0;
    int rowsWritten_ = 0;
    bool printed_ = false;
    bool cancelled_ = false;
    QString continued_;
    QStringList captions_;
    QList<int> columns_;
};

} // namespace print
