#pragma once

#include <QTreeWidgetItem>

namespace editors {

// One row of a list window. Rows sort by the value a column stores for
// sorting (positions, dates, distances, counts) and otherwise by their text,
// with runs of digits compared as numbers, so "Wpt 9" comes before "Wpt 10".
class ListRow : public QTreeWidgetItem {
public:
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int SortRole = Qt::UserRole + 1;

    using QTreeWidgetItem::QTreeWidgetItem;

    QString Key() const { return data(0, KeyRole).toString(); }
    void SetKey(const QString& key) { setData(0, KeyRole, key); }
    void SetSortValue(int column, double value) { setData(column, SortRole, value); }

    bool operator<(const QTreeWidgetItem& other) const override;
};

} // namespace editors
