#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace cli {

// Options of a command line: each "--name" is followed by as many values as its arity
// says (0 for a flag). Unknown options, missing values, repeated options and stray
// words are UsageErrors. Values may begin with '-', so negative numbers need no quoting.
class CliArguments {
public:
    CliArguments(const QStringList& arguments, const QHash<QString, int>& arity);

    bool Has(const QString& option) const { return values_.contains(option); }
    QStringList Values(const QString& option) const { return values_.value(option); }
    QString Value(const QString& option) const { return values_.value(option).value(0); }
    // True when exactly the given options (and any of the optional ones) were given.
    bool HasExactly(const QStringList& required, const QStringList& optional) const;

private:
    QHash<QString, QStringList> values_;
};

} // namespace cli
