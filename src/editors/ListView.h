#pragma once

#include <QTreeWidget>

#include <functional>

class QDrag;

namespace editors {

// The report-style list of a list window: sorts on header clicks (a second
// click on the same column reverses the order), starts drags of its selected
// rows and takes drops in the private record format. What a drag carries and
// what a drop does belong to the window, through the hooks below.
class ListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    // Set by the window; unset hooks leave dragging or dropping off.
    std::function<void()> startRecordDrag;
    std::function<bool(const QString& records)> acceptsRecords;
    // `at` is the row under the pointer, nullptr below the last row.
    std::function<void(const QString& records, QTreeWidgetItem* at)> dropRecords;
    // Set when the list reorders its own rows by dragging them; otherwise a
    // drag back onto its own list does nothing.
    bool reordersRows = false;
    // Carries a drag out and returns what the target did with it; the
    // windowing system's drag unless replaced.
    std::function<Qt::DropAction(QDrag& drag)> runDrag;

    bool Sorted() const { return sortColumn_ >= 0; }
    // Sorts by the column; again by the same column, in the reverse order.
    void SortBy(int column);
    // Sorts again by the column and in the order last chosen.
    void Resort();
    // Puts a row where the current order wants it (at the end when unsorted).
    void Place(QTreeWidgetItem* row);

    // Sizes every column to its widest text or caption; the last also takes
    // the rest of the width. Positions, dates and names then show whole
    // however long the list is.
    void FitColumns();
    // Widens the columns whose width a row's texts no longer fit in.
    void FitRow(const QTreeWidgetItem* row);
    // Wide enough for every column's widest text and a scroll bar, and a
    // dozen rows high.
    QSize sizeHint() const override;

signals:
    // The right mouse button was released over this row.
    void PopupRequested(QTreeWidgetItem* row, const QPoint& globalPos);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool Acceptable(const QDropEvent* event) const;
    // The width the last column's texts and caption want.
    int LastColumnWidth() const;

    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace editors
