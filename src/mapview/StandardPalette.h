#pragma once

#include <QColor>

namespace mapview {

// The 16 colours of the standard desktop palette, by index 0 to 15 (black,
// blue, green, cyan, red, magenta, yellow, white, grey and their light forms).
// Other indexes give black.
QColor StandardPalette(int index);

} // namespace mapview
