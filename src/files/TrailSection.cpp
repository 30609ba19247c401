#include "files/TrailSection.h"

#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "files/SectionMessages.h"
#include "files/SectionText.h"
#include "gpsdata/GPSData.h"

#include <QList>

namespace files {

SectionResult TrailSection::ReadOlder(ByteReader& in, gpsdata::GPSData& data) {
    const int count = SectionMessages::ReadCount(in, data, data.MaxNumGPSTrails(), "Plot trails", "trail");
    for (int k = 1; k <= count && !in.PastEnd(); ++k) {
        const qint32 x = in.ReadInt32();
        const qint32 y = in.ReadInt32();
        const int deltas = in.ReadInt16();
        const int limit = data.MaxNumGPSTrailDeltas();
        QList<qint32> dx;
        QList<qint32> dy;
        // The start point counts as one of the trail's points.
        for (int j = 1; j <= deltas && !in.PastEnd(); ++j) {
            const qint16 deltaX = in.ReadInt16();
            const qint16 deltaY = in.ReadInt16();
            if (j < limit && !in.PastEnd()) {
                dx.append(deltaX);
                dy.append(deltaY);
            }
        }
        if (in.PastEnd())
            break;
        if (deltas >= limit)
            SectionMessages::Raise(data, QStringLiteral("Trail #%1 deltas after").arg(k) +
                                             SectionMessages::CrLf +
                                             QStringLiteral("delta %1 ignored.").arg(limit));
        const auto index = static_cast<qint16>(k - 1);
        data.AddTrail(index, data.AutoName("Trl", index), x, y, dx, dy);
    }
    return SectionRead;
}

SectionResult TrailSection::Read(ByteReader& in, gpsdata::GPSData& data) {
    const int count = SectionMessages::ReadCount(in, data, data.MaxNumGPSTrails(), "Plot trails", "trail");
    for (int k = 1; k <= count && !in.PastEnd(); ++k) {
        const qint16 index = in.ReadInt16();
        const auto name = SectionText::ReadCounted(in);
        if (!name)
            return TrailsFailed;
        const int points = in.ReadInt16();
        QList<qint32> xs;
        QList<qint32> ys;
        QList<bool> continuous;
        for (int j = 0; j < points && !in.PastEnd(); ++j) {
            const qint32 x = in.ReadInt32();
            const qint32 y = in.ReadInt32();
            const qint16 flag = in.ReadInt16();
            if (in.PastEnd())
                break;
            xs.append(x);
            ys.append(y);
            continuous.append(flag != 0);
        }
        if (in.PastEnd())
            break;
        data.AddTrail(index, *name, 0, 0, xs, ys, continuous);
    }
    return SectionRead;
}

void TrailSection::Write(ByteWriter& out, const gpsdata::GPSData& data) {
    if (data.CountTrails() == 0)
        return;
    out.WriteInt16(static_cast<qint16>(data.CountTrails()));
    for (const auto& entry : data.Trails()) {
        const gpsdata::TrailObject& trail = *entry.object;
        out.WriteInt16(trail.TrlIndex());
        SectionText::WriteCounted(out, trail.TrlName());
        out.WriteInt16(static_cast<qint16>(trail.NumPoints()));
        for (int i = 0; i < trail.NumPoints(); ++i) {
            out.WriteInt32(trail.PointX(i));
            out.WriteInt32(trail.PointY(i));
            out.WriteInt16(trail.Continuous(i) ? -1 : 0);
        }
    }
}

} // namespace files
