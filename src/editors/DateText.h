#pragma once

#include <QString>

namespace editors {

// A modification date (a serial day number) as the editing windows show it:
// the locale's short date, a blank, and the time as hours without a leading
// zero and two-digit minutes.
QString DateText(double serialDate);

} // namespace editors
