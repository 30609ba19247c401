#pragma once

#include <QString>

namespace editors {

// List rows are keyed by a kind prefix ("Wpt ", "Rte ", "Icn ", "Trl ",
// "RteWpt ") followed by a number in decimal; the number is read back from
// the text after the prefix.
class RowKey {
public:
    static QString Make(const QString& prefix, int number) { return prefix + QString::number(number); }
    static int Index(const QString& key, const QString& prefix) { return key.mid(prefix.size()).toInt(); }
};

} // namespace editors
