#include "editors/ListRow.h"

#include <QCollator>

namespace editors {

namespace {
const QCollator& TextOrder() {
    static const QCollator collator = [] {
        QCollator c;
        c.setNumericMode(true);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}
} // namespace

bool ListRow::operator<(const QTreeWidgetItem& other) const {
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    const QVariant mine = data(column, SortRole);
    const QVariant theirs = other.data(column, SortRole);
    if (mine.isValid() && theirs.isValid())
        return mine.toDouble() < theirs.toDouble();
    return TextOrder().compare(text(column), other.text(column)) < 0;
}

} // namespace editors
