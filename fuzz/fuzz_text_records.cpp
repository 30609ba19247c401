// Any text as clipboard records of every kind and as position list lines.
#include "files/ClipboardRecords.h"
#include "files/PositionLine.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/IconObject.h"
#include "gpsdata/RouteObject.h"
#include "gpsdata/TrailObject.h"
#include "gpsdata/WaypointObject.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    gpsdata::GPSData data;
    data.SetClipboardDelimiter(QStringLiteral("\t"));
    for (const auto& w : files::ClipboardRecords::Waypoints(data, text))
        w->MakeString();
    for (const auto& r : files::ClipboardRecords::Routes(data, text))
        r->MakeString();
    for (const auto& i : files::ClipboardRecords::Icons(data, text))
        i->MakeString();
    for (const auto& t : files::ClipboardRecords::Trails(data, text))
        t->MakeString();
    files::ClipboardRecords::PasteWaypoints(data, text);
    for (const QString& line : text.split(QLatin1Char('\n')))
        files::PositionLine::Parse(line).InRange();
    return 0;
}
