#include "linkpod/RecordCodec.h"

namespace linkpod::codec {

namespace {

constexpr int TrailPointSize = 9;
constexpr int CardFileMinSize = 2 + 8 + 2 + 4;

// Reads a u16 count and checks that `itemSize` bytes per item are left, so a
// corrupt count never makes us reserve memory the input cannot fill.
int GetCount(PayloadReader& r, int itemSize) {
    const int count = r.U16();
    if (static_cast<qsizetype>(count) * itemSize > r.Remaining()) {
        r.Fail();
        return 0;
    }
    return count;
}

std::uint64_t U64(PayloadReader& r) {
    const std::uint64_t lo = r.U32();
    return lo | (static_cast<std::uint64_t>(r.U32()) << 32);
}

void PutU64(PayloadWriter& w, std::uint64_t v) {
    w.U32(static_cast<std::uint32_t>(v & 0xFFFFFFFFu)).U32(static_cast<std::uint32_t>(v >> 32));
}

} // namespace

void Put(PayloadWriter& w, const UserWaypoint& r) {
    w.U16(r.index)
        .U16(r.symbol)
        .U8(r.type)
        .I32(r.x)
        .I32(r.y)
        .F32(r.altitude)
        .U32(r.time)
        .Text(r.name)
        .Text(r.comment);
}

UserWaypoint GetWaypoint(PayloadReader& r) {
    UserWaypoint w;
    w.index = r.U16();
    w.symbol = r.U16();
    w.type = r.U8();
    w.x = r.I32();
    w.y = r.I32();
    w.altitude = r.F32();
    w.time = r.U32();
    w.name = r.Text();
    w.comment = r.Text();
    return r.Ok() ? w : UserWaypoint{};
}

void Put(PayloadWriter& w, const UserRoute& r) {
    w.U16(r.index).Text(r.name).U16(static_cast<std::uint16_t>(r.waypoints.size()));
    for (const auto i : r.waypoints)
        w.U16(i);
}

UserRoute GetRoute(PayloadReader& r) {
    UserRoute route;
    route.index = r.U16();
    route.name = r.Text();
    const int count = GetCount(r, 2);
    route.waypoints.reserve(count);
    for (int i = 0; i < count; ++i)
        route.waypoints.append(r.U16());
    return r.Ok() ? route : UserRoute{};
}

void Put(PayloadWriter& w, const UserIcon& r) {
    w.U16(r.index).U16(r.symbol).I32(r.x).I32(r.y);
}

UserIcon GetIcon(PayloadReader& r) {
    UserIcon i;
    i.index = r.U16();
    i.symbol = r.U16();
    i.x = r.I32();
    i.y = r.I32();
    return r.Ok() ? i : UserIcon{};
}

void Put(PayloadWriter& w, const TrailPoint& r) {
    w.I32(r.x).I32(r.y).U8(r.continuous ? 1 : 0);
}

TrailPoint GetTrailPoint(PayloadReader& r) {
    TrailPoint p;
    p.x = r.I32();
    p.y = r.I32();
    p.continuous = r.U8() != 0;
    return p;
}

void PutTrailPoints(PayloadWriter& w, const QList<TrailPoint>& points) {
    w.U16(static_cast<std::uint16_t>(points.size()));
    for (const auto& p : points)
        Put(w, p);
}

QList<TrailPoint> GetTrailPoints(PayloadReader& r) {
    QList<TrailPoint> points;
    const int count = GetCount(r, TrailPointSize);
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append(GetTrailPoint(r));
    return points;
}

void Put(PayloadWriter& w, const ProductInfo& r) {
    w.Text(r.name)
        .U16(r.productId)
        .U16(r.value1)
        .U16(r.versionMajor)
        .U16(r.versionMinor)
        .U16(r.value2)
        .Text(r.text);
}

ProductInfo GetProductInfo(PayloadReader& r) {
    ProductInfo p;
    p.name = r.Text();
    p.productId = r.U16();
    p.value1 = r.U16();
    p.versionMajor = r.U16();
    p.versionMinor = r.U16();
    p.value2 = r.U16();
    p.text = r.Text();
    return r.Ok() ? p : ProductInfo{};
}

void Put(PayloadWriter& w, const UnitLimits& r) {
    w.U16(r.maxWaypoints).U16(r.maxIcons).U16(r.maxRoutes).U16(r.maxWaypointsPerRoute).U16(r.maxTrails);
    w.U16(static_cast<std::uint16_t>(r.symbols.size()));
    for (const auto s : r.symbols)
        w.U16(s);
}

UnitLimits GetUnitLimits(PayloadReader& r) {
    UnitLimits l;
    l.maxWaypoints = r.U16();
    l.maxIcons = r.U16();
    l.maxRoutes = r.U16();
    l.maxWaypointsPerRoute = r.U16();
    l.maxTrails = r.U16();
    const int count = GetCount(r, 2);
    l.symbols.reserve(count);
    for (int i = 0; i < count; ++i)
        l.symbols.append(r.U16());
    return r.Ok() ? l : UnitLimits{};
}

void Put(PayloadWriter& w, const MemoryStatus& r) {
    w.I32(r.lastWaypoint).I32(r.lastRoute).I32(r.lastIcon).I32(r.lastTrail).U16(r.iconCount);
}

MemoryStatus GetMemoryStatus(PayloadReader& r) {
    MemoryStatus m;
    m.lastWaypoint = r.I32();
    m.lastRoute = r.I32();
    m.lastIcon = r.I32();
    m.lastTrail = r.I32();
    m.iconCount = r.U16();
    return r.Ok() ? m : MemoryStatus{};
}

void Put(PayloadWriter& w, const FlashSection& r) {
    w.U16(r.number)
        .U16(r.inUse)
        .U16(r.status)
        .U32(r.size)
        .U32(r.value1)
        .U32(r.value2)
        .Text(r.dataName)
        .U32(r.value3);
}

FlashSection GetFlashSection(PayloadReader& r) {
    FlashSection f;
    f.number = r.U16();
    f.inUse = r.U16();
    f.status = r.U16();
    f.size = r.U32();
    f.value1 = r.U32();
    f.value2 = r.U32();
    f.dataName = r.Text();
    f.value3 = r.U32();
    return r.Ok() ? f : FlashSection{};
}

void Put(PayloadWriter& w, const CardDirectory& r) {
    w.U16(static_cast<std::uint16_t>(r.cardSlots.size()));
    for (int s = 0; s < r.cardSlots.size(); ++s) {
        const CardSlot& slot = r.cardSlots[s];
        w.U16(slot.type).U8(slot.formatted ? 1 : 0);
        PutU64(w, slot.capacity);
        PutU64(w, slot.used);
        w.Text(slot.label).U16(slot.maxFiles).U8((slot.writeProtected ? 1 : 0) | (slot.shortNames ? 2 : 0));
        const QList<CardFile> files = s < r.files.size() ? r.files[s] : QList<CardFile>{};
        w.U16(static_cast<std::uint16_t>(files.size()));
        for (const auto& f : files) {
            w.Text(f.name);
            PutU64(w, f.size);
            w.U16(f.type).U32(f.date);
        }
    }
}

CardDirectory GetCardDirectory(PayloadReader& r) {
    CardDirectory d;
    const int slotCount = GetCount(r, 2 + 1 + 8 + 8 + 2 + 2 + 1 + 2);
    for (int s = 0; s < slotCount && r.Ok(); ++s) {
        CardSlot slot;
        slot.type = r.U16();
        slot.formatted = r.U8() != 0;
        slot.capacity = U64(r);
        slot.used = U64(r);
        slot.label = r.Text();
        slot.maxFiles = r.U16();
        const std::uint8_t flags = r.U8();
        slot.writeProtected = (flags & 1) != 0;
        slot.shortNames = (flags & 2) != 0;
        const int count = GetCount(r, CardFileMinSize);
        QList<CardFile> files;
        files.reserve(count);
        for (int i = 0; i < count; ++i) {
            CardFile f;
            f.name = r.Text();
            f.size = U64(r);
            f.type = r.U16();
            f.date = r.U32();
            files.append(f);
        }
        d.cardSlots.append(slot);
        d.files.append(files);
    }
    return r.Ok() ? d : CardDirectory{};
}

} // namespace linkpod::codec
