#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace gpsdata {

// One object's one-line text form, as copied to the clipboard and pasted back.
// Records are written with the program's clipboard delimiter, but read with any
// of the usual list separators, so text from other programs or from instances
// with another delimiter still pastes. A reader normalises the text once and
// then picks fields by number; what follows a record is left for the next one.
class TextRecord {
public:
    // The default clipboard delimiter.
    static QString DefaultDelimiter() { return QStringLiteral("\t"); }

    static bool IsDelimiter(QChar c);

    // Trimmed, with every run of adjacent delimiter characters made one ",".
    static QString Normalise(const QString& text);

    // The longest leading decimal number (sign, digits, one full stop, an
    // exponent, spaces skipped in between); 0 when there is no digit. The
    // same rule as the position texts' (geo::LeadingNumber).
    static double LeadingNumber(QStringView text);

    // Plain decimal text with up to 15 significant digits and never an exponent,
    // so that every reader of records can take it back.
    static QString Decimal(double value);

    // Nearest integer (ties to even) when the value fits, otherwise none.
    static std::optional<qint32> ToInt32(double value);
    static std::optional<qint16> ToInt16(double value);

    explicit TextRecord(const QString& text);

    // Field n (1-based), "" when the text has fewer fields.
    QString Field(int n);
    bool HasField(int n) { return FieldStart(n) >= 0; }
    // The text from the start of field n to the end, "" when there is no field n.
    QString RestFrom(int n);

    double Number(int n) { return LeadingNumber(Field(n)); }
    std::optional<qint32> Int32(int n) { return ToInt32(Number(n)); }
    std::optional<qint16> Int16(int n) { return ToInt16(Number(n)); }

private:
    // Position of the first separator at or after `from`, -1 when none.
    int NextDelimiter(int from) const;
    // Start of field n, -1 when the text has fewer fields. Fields are found
    // lazily so that taking a record off a long text costs only that record.
    int FieldStart(int n);

    QString m_text;
    std::vector<int> m_starts;
};

} // namespace gpsdata
