#include "gpsdata/NameRules.h"

#include <QStringList>

namespace gpsdata {

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A letter begins a word unless it follows a letter or an apostrophe-like mark
// ("O'NEIL" -> "O'neil").
bool BeginsWord(const QString& before) {
    if (before.isEmpty())
        return true;
    const QChar previous = before.back();
    return !(previous.isLetter() || previous == u'`' || previous == u'\'');
}

// Lower-cases "St", "Nd", "Rd", "Th" where they end a word right after a digit.
void LowerOrdinalEndings(QString& text) {
    static const QStringList endings = {QStringLiteral("ST"), QStringLiteral("ND"), QStringLiteral("RD"),
                                        QStringLiteral("TH")};
    for (qsizetype i = 1; i + 2 <= text.size(); ++i) {
        if (!IsDigit(text[i - 1]))
            continue;
        const bool wordEnds = i + 2 == text.size() || !text[i + 2].isLetter();
        if (wordEnds && endings.contains(text.mid(i, 2).toUpper()))
            text.replace(i, 2, text.mid(i, 2).toLower());
    }
}

} // namespace

QString NameRules::Number(int newIndex) {
    const int number = newIndex + 1;
    const QString digits = QString::number(qAbs(static_cast<qint64>(number))).rightJustified(3, u'0');
    return (number < 0 ? QStringLiteral("-") : QString()) + digits + u'*';
}

QString NameRules::AutoName(const QString& name, int newIndex) {
    return name + u' ' + Number(newIndex);
}

QString NameRules::TranslateName(const QString& name, int newIndex) {
    if (!name.endsWith(u'*'))
        return name;
    QString stem = name.left(name.indexOf(u'*'));
    while (!stem.isEmpty() && IsDigit(stem.back()))
        stem.chop(1);
    return stem + Number(newIndex);
}

QString NameRules::FixName(const QString& name, int maxlen) {
    static const QString allowed = QStringLiteral(" ABCDEFGHIJKLMNOPQRSTUVWXYZ\\/)(-.*0123456789");
    QString fixed = name.left(qMax(0, maxlen));
    for (QChar& c : fixed) {
        c = c.toUpper();
        if (!allowed.contains(c))
            c = u' ';
    }
    return fixed;
}

QString NameRules::DisplayName(const QString& name, Alphabet alphabet) {
    QString out;
    out.reserve(name.size());
    for (QChar c : name) {
        if (c == u'\r')
            c = u' ';
        const bool kept = alphabet == Alphabet::Ascii ? c >= u' ' && c <= u'~' : c.isPrint();
        if (!kept)
            continue;
        if (c.isLetter())
            c = BeginsWord(out) ? c.toUpper() : c.toLower();
        out.append(c);
    }
    LowerOrdinalEndings(out);
    return out.trimmed();
}

} // namespace gpsdata
