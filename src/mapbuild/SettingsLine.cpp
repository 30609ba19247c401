#include "mapbuild/SettingsLine.h"

#include <QRegularExpression>

#include <cmath>

namespace mapbuild {

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

SettingsLine::SettingsLine(const QString& line) {
    QString text = line;
    while (text.endsWith(u'\r') || text.endsWith(u'\n'))
        text.chop(1);
    const auto blank = std::find_if(text.begin(), text.end(), IsBlank);
    key_ = text.left(blank - text.begin());
    rest_ = blank == text.end() ? QString() : text.mid(blank - text.begin() + 1);
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    words_ = text.split(blanks, Qt::SkipEmptyParts);
    if (!key_.isEmpty() || words_.isEmpty())
        return;
    // A line that starts with a blank has an empty key as its first word.
    words_.prepend(QString());
}

QString SettingsLine::Word(int n) const {
    return n >= 1 && n <= words_.size() ? words_[n - 1] : QString();
}

std::optional<double> SettingsLine::Number(int n) const {
    bool ok = false;
    const double value = Word(n).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> SettingsLine::Integer(int n, qint64 low, qint64 high) const {
    const auto value = Number(n);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < double(low) || rounded > double(high))
        return std::nullopt;
    return qint64(rounded);
}

std::optional<bool> SettingsLine::Flag(int n) const {
    const QString word = Word(n).toLower();
    if (word == u"true")
        return true;
    if (word == u"false")
        return false;
    const auto value = Number(n);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

} // namespace mapbuild
