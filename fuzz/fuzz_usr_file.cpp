// Any bytes as a ".usr" user data file, raw and behind a sound header and
// checksum, decoded into the control's store and copied into the data set
// as an open does; whatever was loaded must encode and decode again.
#include "files/UserRecords.h"
#include "gpsdata/GPSData.h"
#include "linkpod/UsrFormat.h"

#include <QByteArray>
#include <QDateTime>

#include <cstddef>
#include <cstdint>

namespace {

void Load(const QByteArray& file) {
    linkpod::UserDataStore store;
    if (linkpod::usr::Decode(file, linkpod::StoreCapacity{}, store) != linkpod::usr::Loaded)
        return;
    gpsdata::GPSData data;
    for (const auto& w : store.waypoints.All())
        files::UserRecords::GetUserWaypoint(data, w);
    for (const auto& r : store.routes.All())
        files::UserRecords::GetUserRoute(data, r);
    for (const auto& i : store.icons.All())
        files::UserRecords::GetUserIcon(data, i);
    for (const auto& t : store.trails.All())
        files::UserRecords::GetUserTrail(data, t);

    linkpod::UserDataStore again;
    for (const auto& entry : data.Waypoints())
        again.waypoints.Put(files::UserRecords::SetUserWaypoint(*entry.object));
    for (const auto& entry : data.Routes())
        again.routes.Put(files::UserRecords::SetUserRoute(*entry.object));
    for (const auto& entry : data.Icons())
        again.icons.Put(files::UserRecords::SetUserIcon(*entry.object));
    for (const auto& entry : data.Trails())
        again.trails.Put(files::UserRecords::SetUserTrail(*entry.object));
    const QByteArray saved = linkpod::usr::Encode(again, QDateTime::fromSecsSinceEpoch(0, Qt::UTC));
    linkpod::UserDataStore back;
    if (linkpod::usr::Decode(saved, linkpod::StoreCapacity{}, back) != linkpod::usr::Loaded)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray raw(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    Load(raw);
    // Most random bytes fail the checksum: the same bytes behind a sound
    // header and checksum reach the record lists.
    QByteArray file = linkpod::usr::Magic() + QByteArray("\x01\x00\x00\x00\x00\x00", 6) + raw;
    const std::uint32_t crc = linkpod::usr::Crc32(file);
    for (int i = 0; i < 4; ++i)
        file.append(static_cast<char>((crc >> (8 * i)) & 0xFF));
    Load(file);
    return 0;
}
