#pragma once

#include <QString>
#include <QStringView>

namespace geo {

// Numbers in the desktop program's fixed patterns ("#0.00000000", "00.000", "#####0.0#").
// Before the point, '0' is a digit place always written and '#' one written only when
// the number needs it; after the point, '0' places are always written and '#' places
// only when they are not trailing zeros. The value is first taken at 15 significant
// digits, as the desktop runtime holds numbers for formatting, then rounded half away
// from zero: so 2.675 at two decimals gives 2.68 although its binary value lies below.
// The decimal separator is always the full stop, whatever the locale.
class NumberFormat {
public:
    explicit NumberFormat(QStringView pattern);

    QString Format(double value) const;

    static QString Apply(double value, QStringView pattern) { return NumberFormat(pattern).Format(value); }

private:
    qsizetype minIntegerDigits_ = 0;
    qsizetype minDecimals_ = 0;
    qsizetype maxDecimals_ = 0;
};

} // namespace geo
