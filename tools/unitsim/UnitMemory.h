#pragma once

#include "linkpod/Command.h"
#include "linkpod/PayloadReader.h"
#include "linkpod/Records.h"

#include <QByteArray>

#include <map>
#include <optional>

namespace unitsim {

struct Reply {
    linkpod::Command kind;
    QByteArray payload;
};

// The unit's memory for waypoints, routes, icons and trails, and the item
// requests on it.
class UnitMemory {
public:
    explicit UnitMemory(const linkpod::UnitLimits& limits) : limits_(limits) {}

    // The reply to an item request, or nothing when `kind` is none.
    std::optional<Reply> Handle(linkpod::Command kind, linkpod::PayloadReader& in);
    linkpod::MemoryStatus Status() const;
    Reply Result(linkpod::Command request, std::uint16_t code, std::uint32_t value = 0) const;

private:
    Reply PutEach(Reply (UnitMemory::*put)(linkpod::PayloadReader&), linkpod::PayloadReader& in);
    Reply PutWaypoint(linkpod::PayloadReader& in);
    Reply PutRoute(linkpod::PayloadReader& in);
    Reply PutIcon(linkpod::PayloadReader& in);
    Reply GetTrailPoints(linkpod::PayloadReader& in);
    Reply OpenTrail(linkpod::PayloadReader& in);
    Reply PutTrailPoints(linkpod::PayloadReader& in);
    Reply Clear(linkpod::PayloadReader& in);
    Reply MakeRoute(linkpod::PayloadReader& in);
    template <typename Map>
    Reply Get(linkpod::Command reply, const Map& items, linkpod::PayloadReader& in) const;
    int FreeSlot(int max, auto const& items) const;
    bool FitsName(const QString& name) const;

    linkpod::UnitLimits limits_;
    std::map<std::uint16_t, linkpod::UserWaypoint> waypoints_;
    std::map<std::uint16_t, linkpod::UserRoute> routes_;
    std::map<std::uint16_t, linkpod::UserIcon> icons_;
    std::uint16_t iconCount_ = 0;
    std::map<std::uint16_t, linkpod::UserTrail> trails_;
    std::optional<linkpod::UserTrail> openTrail_;
    std::uint32_t openCapacity_ = 0;
};

} // namespace unitsim
