// Pasted clipboard text and the product table come from outside: any bytes
// must parse or be refused without a crash, a hang or a runaway allocation.
#include "gpsdata/GPSData.h"
#include "gpsdata/TextRecord.h"

#include <QString>
#include <QTextStream>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    gpsdata::GPSData data;
    data.SetMaxNumGPSTrailDeltas(50);
    gpsdata::WaypointObject waypoint(data);
    gpsdata::RouteObject route(data);
    gpsdata::IconObject icon(data);
    gpsdata::TrailObject trail(data);

    // The paste loop: each record is taken off the front; a text that starts
    // no record of any kind loses its first field.
    QString rest = text;
    for (int guard = 0; !rest.isEmpty() && guard < 10000; ++guard) {
        const qsizetype before = rest.size();
        if (!(waypoint.ParseString(rest) || route.ParseString(rest) || icon.ParseString(rest) ||
              trail.ParseString(rest)) &&
            rest.size() == before)
            rest = gpsdata::TextRecord(rest).RestFrom(2);
        if (rest.size() >= before)
            break;
    }
    (void)trail.MakeString();
    (void)route.MakeString();

    gpsdata::ProductTable table;
    QString copy = text;
    QTextStream in(&copy);
    table.Read(in);
    return 0;
}
