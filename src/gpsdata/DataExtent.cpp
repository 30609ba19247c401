#include "gpsdata/DataExtent.h"

#include "gpsdata/GPSData.h"
#include "gpsdata/IconObject.h"
#include "gpsdata/TrailObject.h"
#include "gpsdata/WaypointObject.h"

#include <algorithm>

namespace gpsdata {

namespace {

class Bounds {
public:
    void Add(qint32 x, qint32 y) {
        if (!any_) {
            left_ = right_ = x;
            bottom_ = top_ = y;
            any_ = true;
            return;
        }
        left_ = std::min(left_, x);
        right_ = std::max(right_, x);
        bottom_ = std::min(bottom_, y);
        top_ = std::max(top_, y);
    }
    std::optional<QRect> Rect() const {
        if (!any_)
            return std::nullopt;
        return QRect(QPoint(left_, bottom_), QPoint(right_, top_));
    }

private:
    bool any_ = false;
    qint32 left_ = 0, right_ = 0, bottom_ = 0, top_ = 0;
};

} // namespace

std::optional<QRect> DataExtent(const GPSData& data) {
    Bounds bounds;
    for (const auto& entry : data.Waypoints())
        bounds.Add(entry.object->X(), entry.object->Y());
    for (const auto& entry : data.Icons())
        bounds.Add(entry.object->X(), entry.object->Y());
    for (const auto& entry : data.Trails()) {
        const TrailObject& trail = *entry.object;
        for (int i = 0; i < trail.NumPoints(); ++i)
            bounds.Add(trail.PointX(i), trail.PointY(i));
    }
    return bounds.Rect();
}

} // namespace gpsdata
