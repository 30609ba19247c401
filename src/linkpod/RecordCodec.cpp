#include "linkpod/RecordCodec.h"

#include <algorithm>
#include <concepts>
#include <type_traits>

namespace linkpod::codec {

namespace {

constexpr int TrailPointSize = 4 + 4 + 1;
constexpr int CardSlotMinSize = 2 + 1 + 8 + 8 + 2 + 2 + 1 + 2;
constexpr int CardFileMinSize = 2 + 8 + 2 + 4;
constexpr int LimitsTailSize = 4 + 2 + 2;

// Each record's layout is written once, as a list of its fields in wire order
// (the Fields overloads below), and walked by a writer or a reader. The wire
// form of a field follows from its C++ type.
class Writing {
public:
    explicit Writing(PayloadWriter& w) : w_(w) {}
    void operator()(std::uint8_t v) { w_.U8(v); }
    void operator()(bool v) { w_.U8(v ? 1 : 0); }
    void operator()(std::uint16_t v) { w_.U16(v); }
    void operator()(std::int32_t v) { w_.I32(v); }
    void operator()(std::uint32_t v) { w_.U32(v); }
    void operator()(std::uint64_t v) {
        w_.U32(static_cast<std::uint32_t>(v & 0xFFFFFFFFu)).U32(static_cast<std::uint32_t>(v >> 32));
    }
    void operator()(float v) { w_.F32(v); }
    void operator()(const QString& v) { w_.Text(v); }
    // Two flags in the low bits of one byte.
    void Bits(bool bit0, bool bit1) { w_.U8((bit0 ? 1 : 0) | (bit1 ? 2 : 0)); }
    template <class T> void List(const QList<T>& items, int itemSize);

private:
    PayloadWriter& w_;
};

class Reading {
public:
    explicit Reading(PayloadReader& r) : r_(r) {}
    void operator()(std::uint8_t& v) { v = r_.U8(); }
    void operator()(bool& v) { v = r_.U8() != 0; }
    void operator()(std::uint16_t& v) { v = r_.U16(); }
    void operator()(std::int32_t& v) { v = r_.I32(); }
    void operator()(std::uint32_t& v) { v = r_.U32(); }
    void operator()(std::uint64_t& v) {
        const std::uint64_t lo = r_.U32();
        v = lo | (static_cast<std::uint64_t>(r_.U32()) << 32);
    }
    void operator()(float& v) { v = r_.F32(); }
    void operator()(QString& v) { v = r_.Text(); }
    void Bits(bool& bit0, bool& bit1) {
        const std::uint8_t flags = r_.U8();
        bit0 = (flags & 1) != 0;
        bit1 = (flags & 2) != 0;
    }
    // A u16 count, checked against the bytes left at `itemSize` each, so a
    // corrupt count never makes us reserve memory the input cannot fill.
    int Count(int itemSize) {
        const int count = r_.U16();
        if (static_cast<qsizetype>(count) * itemSize > r_.Remaining()) {
            r_.Fail();
            return 0;
        }
        return count;
    }
    template <class T> void List(QList<T>& items, int itemSize);

private:
    PayloadReader& r_;
};

// R is the record type, const when writing.
template <class R, class T>
concept RecordOf = std::same_as<std::remove_const_t<R>, T>;

template <class Io, RecordOf<UserWaypoint> R> void Fields(Io& io, R& r) {
    io(r.index);
    io(r.symbol);
    io(r.type);
    io(r.x);
    io(r.y);
    io(r.altitude);
    io(r.time);
    io(r.name);
    io(r.comment);
}

template <class Io, RecordOf<UserRoute> R> void Fields(Io& io, R& r) {
    io(r.index);
    io(r.name);
    io.List(r.waypoints, 2);
}

template <class Io, RecordOf<UserIcon> R> void Fields(Io& io, R& r) {
    io(r.index);
    io(r.symbol);
    io(r.x);
    io(r.y);
}

template <class Io, RecordOf<TrailPoint> R> void Fields(Io& io, R& r) {
    io(r.x);
    io(r.y);
    io(r.continuous);
}

template <class Io, RecordOf<ProductInfo> R> void Fields(Io& io, R& r) {
    io(r.name);
    io(r.productId);
    io(r.value1);
    io(r.versionMajor);
    io(r.versionMinor);
    io(r.value2);
    io(r.text);
}

template <class Io, RecordOf<UnitLimits> R> void Fields(Io& io, R& r) {
    io(r.maxWaypoints);
    io(r.maxIcons);
    io(r.maxRoutes);
    io(r.maxWaypointsPerRoute);
    io(r.maxTrails);
    io.List(r.symbols, 2);
}

template <class Io, RecordOf<MemoryStatus> R> void Fields(Io& io, R& r) {
    io(r.lastWaypoint);
    io(r.lastRoute);
    io(r.lastIcon);
    io(r.lastTrail);
    io(r.iconCount);
}

template <class Io, RecordOf<FlashSection> R> void Fields(Io& io, R& r) {
    io(r.number);
    io(r.inUse);
    io(r.status);
    io(r.size);
    io(r.value1);
    io(r.value2);
    io(r.dataName);
    io(r.value3);
}

template <class Io, RecordOf<CardSlot> R> void Fields(Io& io, R& r) {
    io(r.type);
    io(r.formatted);
    io(r.capacity);
    io(r.used);
    io(r.label);
    io(r.maxFiles);
    io.Bits(r.writeProtected, r.shortNames);
}

template <class Io, RecordOf<CardFile> R> void Fields(Io& io, R& r) {
    io(r.name);
    io(r.size);
    io(r.type);
    io(r.date);
}

template <class T> void Writing::List(const QList<T>& items, int) {
    w_.U16(static_cast<std::uint16_t>(items.size()));
    for (const T& item : items) {
        if constexpr (std::is_arithmetic_v<T>)
            (*this)(item);
        else
            Fields(*this, item);
    }
}

template <class T> void Reading::List(QList<T>& items, int itemSize) {
    const int count = Count(itemSize);
    items.clear();
    items.reserve(count);
    for (int i = 0; i < count; ++i) {
        T item{};
        if constexpr (std::is_arithmetic_v<T>)
            (*this)(item);
        else
            Fields(*this, item);
        items.append(item);
    }
}

template <class T> void Write(PayloadWriter& w, const T& record) {
    Writing io(w);
    Fields(io, record);
}

template <class T> T Read(PayloadReader& r) {
    T record;
    Reading io(r);
    Fields(io, record);
    return r.Ok() ? record : T{};
}

} // namespace

void Put(PayloadWriter& w, const UserWaypoint& r) {
    Write(w, r);
}
void Put(PayloadWriter& w, const UserRoute& r) {
    Write(w, r);
}
void Put(PayloadWriter& w, const UserIcon& r) {
    Write(w, r);
}
void Put(PayloadWriter& w, const TrailPoint& r) {
    Write(w, r);
}
void Put(PayloadWriter& w, const ProductInfo& r) {
    Write(w, r);
}
// The trail and text limits follow the symbol list; a unit that does not
// send them keeps the defaults.
void Put(PayloadWriter& w, const UnitLimits& r) {
    Write(w, r);
    w.U32(r.maxTrailPoints).U16(r.maxNameBytes).U16(r.maxCommentBytes);
}
void Put(PayloadWriter& w, const MemoryStatus& r) {
    Write(w, r);
}
void Put(PayloadWriter& w, const FlashSection& r) {
    Write(w, r);
}

UserWaypoint GetWaypoint(PayloadReader& r) {
    return Read<UserWaypoint>(r);
}
UserRoute GetRoute(PayloadReader& r) {
    return Read<UserRoute>(r);
}
UserIcon GetIcon(PayloadReader& r) {
    return Read<UserIcon>(r);
}
TrailPoint GetTrailPoint(PayloadReader& r) {
    return Read<TrailPoint>(r);
}
ProductInfo GetProductInfo(PayloadReader& r) {
    return Read<ProductInfo>(r);
}
UnitLimits GetUnitLimits(PayloadReader& r) {
    UnitLimits limits = Read<UnitLimits>(r);
    if (!r.Ok() || r.Remaining() < LimitsTailSize)
        return limits;
    limits.maxTrailPoints = r.U32();
    limits.maxNameBytes = std::max(r.U16(), std::uint16_t(1));
    limits.maxCommentBytes = r.U16();
    return limits;
}
MemoryStatus GetMemoryStatus(PayloadReader& r) {
    return Read<MemoryStatus>(r);
}
FlashSection GetFlashSection(PayloadReader& r) {
    return Read<FlashSection>(r);
}

void PutTrailPoints(PayloadWriter& w, const QList<TrailPoint>& points) {
    Writing(w).List(points, TrailPointSize);
}

QList<TrailPoint> GetTrailPoints(PayloadReader& r) {
    QList<TrailPoint> points;
    Reading(r).List(points, TrailPointSize);
    return points;
}

// Each slot is followed by the files of the card in it.
void Put(PayloadWriter& w, const CardDirectory& r) {
    Writing io(w);
    io(static_cast<std::uint16_t>(r.cardSlots.size()));
    for (int s = 0; s < r.cardSlots.size(); ++s) {
        Fields(io, r.cardSlots[s]);
        io.List(s < r.files.size() ? r.files[s] : QList<CardFile>{}, CardFileMinSize);
    }
}

CardDirectory GetCardDirectory(PayloadReader& r) {
    CardDirectory d;
    Reading io(r);
    const int slotCount = io.Count(CardSlotMinSize);
    for (int s = 0; s < slotCount && r.Ok(); ++s) {
        CardSlot slot;
        Fields(io, slot);
        QList<CardFile> files;
        io.List(files, CardFileMinSize);
        d.cardSlots.append(slot);
        d.files.append(files);
    }
    return r.Ok() ? d : CardDirectory{};
}

} // namespace linkpod::codec
