#pragma once

#include <QFont>

namespace print {

// The faces printed pages are drawn with. They are pinned to one metric-stable
// family so that a page lays out the same on every machine; the sizes are in
// points, whatever the device.
class PageFont {
public:
    static QFont Text(double points = 10);
    static QFont Bold(double points = 10);
};

} // namespace print
