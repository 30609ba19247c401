#pragma once

#include <QRect>

#include <optional>

namespace gpsdata {

class GPSData;

// The smallest rectangle, in internal units, holding every waypoint, icon and
// trail point of the data set; none when the data set holds no position.
// Left and bottom are the smallest X and Y, so the rectangle's "height" grows
// northwards.
std::optional<QRect> DataExtent(const GPSData& data);

} // namespace gpsdata
