#include "CliArguments.h"

#include "CliCommand.h"

namespace cli {

CliArguments::CliArguments(const QStringList& arguments, const QHash<QString, int>& arity) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (!arity.contains(option))
            throw UsageError("unexpected argument '" + option.toStdString() + "'");
        if (values_.contains(option))
            throw UsageError("option " + option.toStdString() + " given twice");
        const int count = arity.value(option);
        if (i + count >= arguments.size())
            throw UsageError("option " + option.toStdString() + " needs " + std::to_string(count) +
                             (count == 1 ? " value" : " values"));
        values_.insert(option, arguments.mid(i + 1, count));
        i += count;
    }
}

bool CliArguments::HasExactly(const QStringList& required, const QStringList& optional) const {
    for (const QString& option : required) {
        if (!Has(option))
            return false;
    }
    for (auto it = values_.cbegin(); it != values_.cend(); ++it) {
        if (!required.contains(it.key()) && !optional.contains(it.key()))
            return false;
    }
    return true;
}

} // namespace cli
