#include "files/IconSection.h"

#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "files/SectionMessages.h"
#include "geo/NumericError.h"
#include "gpsdata/GPSData.h"

namespace files {

SectionResult IconSection::Read(ByteReader& in, gpsdata::GPSData& data) {
    const int count = SectionMessages::ReadCount(in, data, data.MaxNumGPSIcons(), "Icons", "icon");
    for (int k = 1; k <= count && !in.PastEnd(); ++k) {
        qint32 symbol = in.ReadInt16();
        const double latitude = in.ReadDouble();
        const double longitude = in.ReadDouble();
        if (in.PastEnd())
            break;
        if (symbol >= data.MaxNumGPSIconSymbols()) {
            SectionMessages::Raise(data, QStringLiteral("Icon symbol invalid. Changed to default symbol."));
            symbol = data.DefaultSymbol();
        }
        try {
            data.AddFileIcon(static_cast<qint16>(k - 1), symbol, latitude, longitude);
        } catch (const geo::NumericError&) {
            return IconsFailed;
        }
    }
    return SectionRead;
}

void IconSection::Write(ByteWriter& out, const gpsdata::GPSData& data) {
    if (data.CountIcons() == 0)
        return;
    out.WriteInt16(static_cast<qint16>(data.CountIcons()));
    for (const auto& entry : data.Icons()) {
        out.WriteInt16(static_cast<qint16>(entry.object->IcnSymbol()));
        out.WriteDouble(entry.object->Latitude());
        out.WriteDouble(entry.object->Longitude());
    }
}

} // namespace files
