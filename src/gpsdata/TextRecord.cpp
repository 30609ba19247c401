#include "gpsdata/TextRecord.h"

#include "geo/LeadingNumber.h"

#include <cmath>
#include <limits>

namespace gpsdata {

namespace {

const QChar Separator = u',';

template <typename Int> std::optional<Int> ToInt(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

bool TextRecord::IsDelimiter(QChar c) {
    static const QString delimiters = QStringLiteral("|\\;:,~`\r\n\t");
    return delimiters.contains(c);
}

QString TextRecord::Normalise(const QString& text) {
    const QString trimmed = text.trimmed();
    QString out;
    out.reserve(trimmed.size());
    bool inRun = false;
    for (const QChar c : trimmed) {
        if (IsDelimiter(c)) {
            if (!inRun)
                out.append(Separator);
            inRun = true;
        } else {
            out.append(c);
            inRun = false;
        }
    }
    return out;
}

double TextRecord::LeadingNumber(QStringView text) {
    return geo::LeadingNumber(text);
}

QString TextRecord::Decimal(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15);
    if (!text.contains(u'e'))
        return text;
    // Rewrite 1.5e-07 and 1e+20 as plain digits, keeping the 15 significant ones.
    const double rounded = text.toDouble();
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
    text = QString::number(rounded, 'f', std::max(0, 14 - magnitude));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text;
}

std::optional<qint32> TextRecord::ToInt32(double value) {
    return ToInt<qint32>(value);
}

std::optional<qint16> TextRecord::ToInt16(double value) {
    return ToInt<qint16>(value);
}

TextRecord::TextRecord(const QString& text) : m_text(Normalise(text)), m_starts{0} {}

int TextRecord::NextDelimiter(int from) const {
    return static_cast<int>(m_text.indexOf(Separator, from));
}

int TextRecord::FieldStart(int n) {
    if (n < 1)
        return -1;
    while (static_cast<int>(m_starts.size()) < n) {
        const int last = m_starts.back();
        if (last < 0)
            return -1;
        const int next = NextDelimiter(last);
        m_starts.push_back(next < 0 ? -1 : next + 1);
    }
    return m_starts[n - 1];
}

QString TextRecord::Field(int n) {
    const int start = FieldStart(n);
    if (start < 0)
        return QString();
    const int end = NextDelimiter(start);
    return end < 0 ? m_text.mid(start) : m_text.mid(start, end - start);
}

QString TextRecord::RestFrom(int n) {
    const int start = FieldStart(n);
    return start < 0 ? QString() : m_text.mid(start);
}

} // namespace gpsdata
