#include "editors/ListView.h"

#include "editors/RecordDragData.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace editors {

ListView::ListView(QWidget* parent)
    : QTreeWidget(parent),
      runDrag([](QDrag& drag) { return drag.exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction); }) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    // Every row counts when the columns are fitted, not only the first thousand.
    header()->setResizeContentsPrecision(-1);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    connect(header(), &QHeaderView::sectionClicked, this, &ListView::SortBy);
}

void ListView::SortBy(int column) {
    // The header has flipped its own indicator by now; the order kept here
    // is the one that counts.
    sortOrder_ =
        column == sortColumn_ && sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortColumn_ = column;
    header()->setSortIndicatorShown(true);
    Resort();
    if (currentItem())
        scrollToItem(currentItem());
}

void ListView::Resort() {
    if (Sorted())
        sortItems(sortColumn_, sortOrder_);
}

void ListView::Place(QTreeWidgetItem* row) {
    const int at = indexOfTopLevelItem(row);
    if (at >= 0)
        takeTopLevelItem(at);
    int position = topLevelItemCount();
    if (Sorted()) {
        // The first row that must come after the new one; the order holds
        // when rows compare equal.
        const bool ascending = sortOrder_ == Qt::AscendingOrder;
        int low = 0, high = topLevelItemCount();
        while (low < high) {
            const int mid = (low + high) / 2;
            const QTreeWidgetItem& other = *topLevelItem(mid);
            const bool after = ascending ? *row < other : other < *row;
            if (after)
                high = mid;
            else
                low = mid + 1;
        }
        position = low;
    }
    insertTopLevelItem(position, row);
}

void ListView::FitColumns() {
    // The last column too: stretched, it never gets narrower than its own
    // width, which would otherwise stay at the default.
    for (int column = 0; column < columnCount(); ++column)
        resizeColumnToContents(column);
    updateGeometry();
}

void ListView::FitRow(const QTreeWidgetItem* row) {
    bool widened = false;
    for (int column = 0; column < columnCount(); ++column) {
        const int wanted = sizeHintForIndex(indexFromItem(row, column)).width();
        if (wanted > columnWidth(column)) {
            setColumnWidth(column, wanted);
            widened = true;
        }
    }
    if (widened)
        updateGeometry();
}

int ListView::LastColumnWidth() const {
    const int last = columnCount() - 1;
    return last < 0 ? 0 : std::max(sizeHintForColumn(last), header()->sectionSizeHint(last));
}

QSize ListView::sizeHint() const {
    int width = LastColumnWidth();
    for (int column = 0; column + 1 < columnCount(); ++column)
        width += columnWidth(column);
    const int frame = 2 * frameWidth();
    const int rowHeight = std::max(fontMetrics().height(), iconSize().height()) + 4;
    return {width + frame + verticalScrollBar()->sizeHint().width(),
            header()->sizeHint().height() + 12 * rowHeight + frame};
}

void ListView::startDrag(Qt::DropActions) {
    if (startRecordDrag)
        startRecordDrag();
}

bool ListView::Acceptable(const QDropEvent* event) const {
    if (!acceptsRecords || !dropRecords || (event->source() == this && !reordersRows))
        return false;
    const auto records = RecordDragData::Read(event->mimeData());
    return records && acceptsRecords(*records);
}

void ListView::dragEnterEvent(QDragEnterEvent* event) {
    if (Acceptable(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ListView::dragMoveEvent(QDragMoveEvent* event) {
    if (Acceptable(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ListView::dropEvent(QDropEvent* event) {
    if (!Acceptable(event)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    dropRecords(*RecordDragData::Read(event->mimeData()), itemAt(event->position().toPoint()));
}

void ListView::contextMenuEvent(QContextMenuEvent* event) {
    if (QTreeWidgetItem* row = itemAt(event->pos()))
        emit PopupRequested(row, event->globalPos());
}

} // namespace editors
