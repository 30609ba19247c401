#pragma once

#include <QList>
#include <QPoint>

namespace carver {

// One map border in internal units: a closed polygon or an open polyline
// along which a corridor is cut.
struct Border {
    bool closed = false;
    QList<QPoint> vertices;

    // Segments between consecutive vertices; a closed polygon's closing edge
    // from the last vertex back to the first is implied, not counted.
    int SegmentCount() const { return vertices.size() > 1 ? int(vertices.size()) - 1 : 0; }
    bool operator==(const Border&) const = default;
};

} // namespace carver
