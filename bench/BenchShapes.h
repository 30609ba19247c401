#pragma once

// The test shapes of the map cut benchmark, shared by the driver and the
// cutting child.

#include "geo/Coordinates.h"
#include "mastermap/Border.h"

#include <QFile>
#include <QStringList>

#include <utility>
#include <vector>

namespace bench {

struct Shape {
    const char* name;
    bool closed;
    std::vector<std::pair<double, double>> lonLat;
};

// The same test shapes as the field's clipping anchors: a hand-drawn
// 12-vertex state-sized polygon around Michigan, a 1003 km 12-vertex
// polyline New York - Elkhart (cut with a 10 km corridor at 41 N: 13200
// Mercator units), and the contiguous USA.
inline const Shape Shapes[] = {
    {"state polygon",
     true,
     {{-90.4, 46.6},
      {-87.0, 47.5},
      {-84.5, 46.9},
      {-83.3, 46.0},
      {-83.4, 45.0},
      {-82.2, 43.6},
      {-82.5, 42.0},
      {-84.8, 41.7},
      {-86.8, 41.7},
      {-87.6, 42.9},
      {-87.4, 44.6},
      {-88.5, 45.6}}},
    {"1000 km corridor",
     false,
     {{-74.00, 40.71},
      {-74.75, 40.80},
      {-75.47, 40.60},
      {-76.88, 40.27},
      {-77.86, 40.79},
      {-79.00, 40.90},
      {-80.00, 40.44},
      {-80.65, 41.10},
      {-81.69, 41.50},
      {-82.70, 41.45},
      {-83.55, 41.65},
      {-84.80, 41.70}}},
    {"continent polygon", true, {{-125.0, 24.0}, {-66.0, 24.0}, {-66.0, 49.5}, {-125.0, 49.5}}},
};
inline constexpr std::int32_t CorridorWidth = 13200;

inline mastermap::Border ToBorder(const Shape& s) {
    mastermap::Border b{s.closed, {}};
    for (auto [lon, lat] : s.lonLat)
        b.vertices.push_back({geo::LongitudeToX(lon), geo::LatitudeToY(lat)});
    return b;
}

// Closed borders passed between the driver and the cutting child as text:
// one border a line, its longitude and latitude pairs separated by spaces.
inline std::vector<mastermap::Border> ReadBorders(const QString& path) {
    std::vector<mastermap::Border> borders;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return borders;
    while (!file.atEnd()) {
        const QStringList numbers = QString::fromLatin1(file.readLine()).split(u' ', Qt::SkipEmptyParts);
        Shape shape{"", true, {}};
        for (qsizetype i = 0; i + 1 < numbers.size(); i += 2)
            shape.lonLat.push_back({numbers[i].toDouble(), numbers[i + 1].toDouble()});
        if (!shape.lonLat.empty())
            borders.push_back(ToBorder(shape));
    }
    return borders;
}

} // namespace bench
