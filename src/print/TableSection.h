#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace print {

// One printed table row: a text per column; `symbol`, when not negative, is a
// waypoint symbol drawn in the second column instead of its text.
struct TableRow {
    QStringList cells;
    int symbol = -1;
};

// A titled table: its captions sit at the grid columns of `columns`, and so
// do the cells of every row.
struct TableSection {
    QString title;
    QStringList captions;
    QList<int> columns;
    QList<TableRow> rows;
};

} // namespace print
