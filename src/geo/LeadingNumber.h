#pragma once

#include <QStringView>

namespace geo {

// The number a text begins with: leading spaces skipped, then an optional sign, digits,
// at most one full stop and an optional exponent (E or e, optional sign, digits), with
// spaces allowed between them; reading stops at the first other character. A text
// without a digit reads as 0, one too large for a double as an infinity. Independent of
// the locale.
double LeadingNumber(QStringView text);

} // namespace geo
