#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace mapbuild {

// One line of a workspace or settings file: the key is the text before the
// first blank, the value either the words after it (runs of blanks are one
// separator) or, for paths and texts, everything after the first blank.
class SettingsLine {
public:
    explicit SettingsLine(const QString& line);

    const QString& Key() const { return key_; }
    // Word n, counting the key as word 1; empty when the line has fewer.
    QString Word(int n) const;
    int WordCount() const { return int(words_.size()); }
    const QString& Rest() const { return rest_; }

    // Word n as a number; empty when it is missing or not a finite number.
    std::optional<double> Number(int n) const;
    // Word n as a whole number within [low, high], rounded to nearest.
    std::optional<qint64> Integer(int n, qint64 low, qint64 high) const;
    // Word n as a flag: True or False in any case, or a number (0 is false).
    std::optional<bool> Flag(int n) const;

private:
    QString key_;
    QString rest_;
    QStringList words_;
};

} // namespace mapbuild
