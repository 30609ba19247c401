#include "linkpod/UsrFormat.h"

#include "linkpod/RecordCodec.h"

namespace linkpod::usr {

namespace {

// Smallest encoded size of each record, to refuse counts the bytes cannot hold.
constexpr int MinWaypoint = 2 + 2 + 1 + 4 + 4 + 4 + 4 + 2 + 2;
constexpr int MinRoute = 2 + 2 + 2;
constexpr int MinIcon = 2 + 2 + 4 + 4;
constexpr int MinTrail = 2 + 2 + 4;
constexpr int PointSize = 9;
constexpr int HeaderSize = 8 + 2 + 4;

// A u32 count that the remaining bytes can hold at `minSize` each, or -1.
qint64 Count(PayloadReader& r, int minSize) {
    const qint64 n = r.U32();
    if (!r.Ok() || n * minSize > r.Remaining())
        return -1;
    return n;
}

} // namespace

QByteArray Magic() {
    return QByteArrayLiteral("TFUSR\r\n\x1A");
}

std::uint32_t Crc32(QByteArrayView bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

QByteArray Encode(const UserDataStore& store, const QDateTime& written) {
    PayloadWriter w;
    w.Raw(Magic()).U16(Version).U32(
        static_cast<std::uint32_t>(std::max<qint64>(written.toSecsSinceEpoch(), 0)));
    w.U32(static_cast<std::uint32_t>(store.waypoints.Count()));
    for (const auto& r : store.waypoints.All())
        codec::Put(w, r);
    w.U32(static_cast<std::uint32_t>(store.routes.Count()));
    for (const auto& r : store.routes.All())
        codec::Put(w, r);
    w.U32(static_cast<std::uint32_t>(store.icons.Count()));
    for (const auto& r : store.icons.All())
        codec::Put(w, r);
    w.U32(static_cast<std::uint32_t>(store.trails.Count()));
    for (const auto& t : store.trails.All()) {
        w.U16(t.index).Text(t.name).U32(static_cast<std::uint32_t>(t.points.size()));
        for (const auto& p : t.points)
            codec::Put(w, p);
    }
    w.U32(Crc32(w.Data()));
    return w.Data();
}

int Decode(const QByteArray& bytes, const StoreCapacity& capacity, UserDataStore& out) {
    if (bytes.size() < HeaderSize || !bytes.startsWith(Magic()))
        return Incompatible;
    PayloadReader r(bytes.left(bytes.size() - 4));
    r.Raw(Magic().size());
    if (r.U16() != Version)
        return Incompatible;
    PayloadReader tail(bytes.right(4));
    if (bytes.size() < HeaderSize + 4 || Crc32(QByteArrayView(bytes).first(bytes.size() - 4)) != tail.U32())
        return Damaged;
    r.U32(); // written

    UserDataStore store;
    const qint64 waypoints = Count(r, MinWaypoint);
    if (waypoints > capacity.waypoints)
        return TooMuch;
    for (qint64 i = 0; i < waypoints && r.Ok(); ++i)
        store.waypoints.Put(codec::GetWaypoint(r));
    const qint64 routes = Count(r, MinRoute);
    if (routes > capacity.routes)
        return TooMuch;
    for (qint64 i = 0; i < routes && r.Ok(); ++i)
        store.routes.Put(codec::GetRoute(r));
    const qint64 icons = Count(r, MinIcon);
    if (icons > capacity.icons)
        return TooMuch;
    for (qint64 i = 0; i < icons && r.Ok(); ++i)
        store.icons.Put(codec::GetIcon(r));
    const qint64 trails = Count(r, MinTrail);
    if (trails > capacity.trails)
        return TooMuch;
    for (qint64 i = 0; i < trails && r.Ok(); ++i) {
        UserTrail t;
        t.index = r.U16();
        t.name = r.Text();
        const qint64 points = Count(r, PointSize);
        if (points > capacity.pointsPerTrail)
            return TooMuch;
        if (points < 0)
            break;
        t.points.reserve(points);
        for (qint64 p = 0; p < points; ++p)
            t.points.append(codec::GetTrailPoint(r));
        store.trails.Put(t);
    }
    // Every count must have been readable, and nothing may be left over; two
    // records with one index would also make the counts disagree.
    if (waypoints < 0 || routes < 0 || icons < 0 || trails < 0 || !r.Complete() ||
        store.waypoints.Count() != waypoints || store.routes.Count() != routes ||
        store.icons.Count() != icons || store.trails.Count() != trails)
        return Damaged;
    out = std::move(store);
    return Loaded;
}

} // namespace linkpod::usr
