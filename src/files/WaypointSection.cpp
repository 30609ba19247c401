#include "files/WaypointSection.h"

#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "files/SectionMessages.h"
#include "files/SectionText.h"
#include "geo/NumericError.h"
#include "gpsdata/GPSData.h"

namespace files {
namespace {

constexpr int OlderNameWidth = 12;

QString IllegalSymbol(int number) {
    return QStringLiteral("Illegal icon symbol for waypoint #%1.").arg(number);
}

} // namespace

SectionResult WaypointSection::ReadOlder(ByteReader& in, gpsdata::GPSData& data) {
    const int count =
        SectionMessages::ReadCount(in, data, data.MaxNumGPSWaypoints(), "Waypoints", "waypoint");
    for (int k = 1; k <= count && !in.PastEnd(); ++k) {
        const QString name = SectionText::ReadFixed(in, OlderNameWidth);
        const qint32 date = in.ReadInt32();
        const qint16 symbol = in.ReadInt16();
        const qint16 inUse = in.ReadInt16();
        const double latitude = in.ReadDouble();
        const double longitude = in.ReadDouble();
        if (in.PastEnd() || inUse == 0)
            continue;
        if (symbol >= data.MaxNumGPSIconSymbols())
            SectionMessages::Raise(data, IllegalSymbol(k));
        try {
            data.AddFileWaypoint(static_cast<qint16>(k - 1), latitude, longitude, name, symbol, date,
                                 QString(), 0);
        } catch (const geo::NumericError&) {
            return WaypointsFailed;
        }
    }
    return SectionRead;
}

SectionResult WaypointSection::Read(ByteReader& in, gpsdata::GPSData& data) {
    const int count =
        SectionMessages::ReadCount(in, data, data.MaxNumGPSWaypoints(), "Waypoints", "waypoint");
    for (int k = 1; k <= count && !in.PastEnd(); ++k) {
        const auto name = SectionText::ReadCounted(in);
        const qint16 index = in.ReadInt16();
        const qint32 date = in.ReadInt32();
        const qint16 symbol = in.ReadInt16();
        const qint32 x = in.ReadInt32();
        const qint32 y = in.ReadInt32();
        const qint16 commentLength = in.ReadInt16();
        const qint16 type = in.ReadInt16();
        const QByteArray comment = in.ReadBytes(commentLength);
        if (in.PastEnd())
            break;
        if (!name || commentLength < 0)
            return WaypointsFailed;
        // Two numbers above the last valid one pass: units report them for
        // their own markers.
        if (symbol >= data.MaxNumGPSIconSymbols() + 2)
            SectionMessages::Raise(data, IllegalSymbol(index + 1));
        data.AddNewFileWaypoint(index, x, y, *name, symbol, date, QString::fromLatin1(comment), type);
    }
    return SectionRead;
}

void WaypointSection::Write(ByteWriter& out, const gpsdata::GPSData& data) {
    if (data.CountWaypoints() == 0)
        return;
    out.WriteInt16(static_cast<qint16>(data.CountWaypoints()));
    for (const auto& entry : data.Waypoints())
        WriteRecord(out, *entry.object);
}

void WaypointSection::WriteRecord(ByteWriter& out, const gpsdata::WaypointObject& waypoint) {
    SectionText::WriteCounted(out, waypoint.WptName());
    out.WriteInt16(waypoint.WptIndex());
    out.WriteInt32(waypoint.FileDate());
    out.WriteInt16(static_cast<qint16>(waypoint.WptSymbol()));
    out.WriteInt32(waypoint.X());
    out.WriteInt32(waypoint.Y());
    const QByteArray comment = SectionText::CountedBytes(waypoint.Comment);
    out.WriteInt16(static_cast<qint16>(comment.size()));
    out.WriteInt16(static_cast<qint16>(waypoint.WaypointType()));
    out.WriteBytes(comment);
}

} // namespace files
