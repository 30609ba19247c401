// Any bytes as the payload of every record the unit sends, each read from
// the start, and the item records taken into a data set as a download does.
#include "files/UserRecords.h"
#include "gpsdata/GPSData.h"
#include "linkpod/PayloadReader.h"
#include "linkpod/RecordCodec.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace linkpod;
    const QByteArray payload(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const auto read = [&payload](auto reader) {
        PayloadReader r(payload);
        reader(r);
    };
    gpsdata::GPSData data;
    read([&](PayloadReader& r) { files::UserRecords::GetUserWaypoint(data, codec::GetWaypoint(r)); });
    read([&](PayloadReader& r) { files::UserRecords::GetUserRoute(data, codec::GetRoute(r)); });
    read([&](PayloadReader& r) { files::UserRecords::GetUserIcon(data, codec::GetIcon(r)); });
    read([&](PayloadReader& r) {
        UserTrail trail;
        trail.points = codec::GetTrailPoints(r);
        files::UserRecords::GetUserTrail(data, trail);
    });
    read([](PayloadReader& r) { codec::GetTrailPoint(r); });
    read([](PayloadReader& r) { codec::GetProductInfo(r); });
    read([](PayloadReader& r) { codec::GetUnitLimits(r); });
    read([](PayloadReader& r) { codec::GetMemoryStatus(r); });
    read([](PayloadReader& r) { codec::GetFlashSection(r); });
    read([](PayloadReader& r) { codec::GetCardDirectory(r); });
    return 0;
}
