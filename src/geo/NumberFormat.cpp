#include "geo/NumberFormat.h"

#include "geo/NumericError.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace geo {

namespace {

constexpr int SignificantDigits = 15;

// Adds one to a string of decimal digits.
void Increment(QString& digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
        digits[i] = u'0';
    }
    digits.prepend(u'1');
}

// The decimal digits of round(magnitude * 10^decimals), rounded half away from zero
// after the magnitude has been cut to 15 significant digits.
QString ScaledDigits(double magnitude, qsizetype decimals) {
    char text[40];
    std::snprintf(text, sizeof text, "%.*e", SignificantDigits - 1, magnitude);
    // text is "d.dddddddddddddde[+-]x": fifteen digits and a decimal exponent.
    QString digits = QLatin1Char(text[0]) + QString::fromLatin1(text + 2, SignificantDigits - 1);
    const long exponent = std::strtol(std::strchr(text, 'e') + 1, nullptr, 10);

    // How many digits the scaled number has before its point.
    const long long places = exponent + 1 + static_cast<long long>(decimals);
    if (places < 0)
        return QStringLiteral("0");
    if (places == 0)
        return digits[0] >= u'5' ? QStringLiteral("1") : QStringLiteral("0");
    if (places >= SignificantDigits)
        return digits + QString(places - SignificantDigits, u'0');
    const bool roundUp = digits[places] >= u'5';
    digits.truncate(places);
    if (roundUp)
        Increment(digits);
    return digits;
}

} // namespace

NumberFormat::NumberFormat(QStringView pattern) {
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView integerPart = point < 0 ? pattern : pattern.first(point);
    const QStringView decimalPart = point < 0 ? QStringView() : pattern.sliced(point + 1);
    minIntegerDigits_ = integerPart.count(u'0');
    minDecimals_ = decimalPart.count(u'0');
    maxDecimals_ = minDecimals_ + decimalPart.count(u'#');
}

QString NumberFormat::Format(double value) const {
    if (!std::isfinite(value))
        throw NumericError("Overflow: a number without a finite value cannot be formatted");

    QString digits = ScaledDigits(std::fabs(value), maxDecimals_);
    const bool negative = value < 0 && digits.count(u'0') != digits.size();
    if (digits.size() <= maxDecimals_)
        digits.prepend(QString(maxDecimals_ + 1 - digits.size(), u'0'));

    QString integer = digits.first(digits.size() - maxDecimals_);
    QString decimals = digits.last(maxDecimals_);
    while (integer.startsWith(u'0'))
        integer.remove(0, 1);
    if (integer.size() < minIntegerDigits_)
        integer.prepend(QString(minIntegerDigits_ - integer.size(), u'0'));
    while (decimals.size() > minDecimals_ && decimals.endsWith(u'0'))
        decimals.chop(1);

    QString text = negative ? QStringLiteral("-") : QString();
    text += integer;
    if (!decimals.isEmpty())
        text += u'.' + decimals;
    return text;
}

} // namespace geo
