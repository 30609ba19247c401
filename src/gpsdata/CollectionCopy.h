#pragma once

#include "gpsdata/OrderedMap.h"

#include <memory>

namespace gpsdata {

class GPSData;

// A copy of a collection whose objects are copies too, owned by `data`:
// objects are not shared, as the data set changes them in place (deleting a
// waypoint changes the routes that use it).
template <typename T> OrderedMap<T> CollectionCopy(GPSData& data, const OrderedMap<T>& source) {
    OrderedMap<T> copy;
    for (const auto& entry : source) {
        auto object = std::make_shared<T>(data);
        object->Copy(*entry.object);
        copy.Insert(entry.key, std::move(object));
    }
    return copy;
}

} // namespace gpsdata
