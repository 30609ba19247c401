#include "files/GpxFile.h"

#include "files/GpxDocument.h"
#include "files/GpxLoader.h"
#include "files/GpxReader.h"
#include "files/GpxSymbols.h"
#include "files/GpxWriter.h"
#include "files/SectionMessages.h"
#include "geo/Coordinates.h"
#include "gpsdata/GPSData.h"

#include <QFile>
#include <QSaveFile>

#include <cmath>

namespace files {
namespace {

// Serial days (from 1899-12-30) as a UTC time; none for dates no GPX can hold.
QDateTime Time(double serialDays) {
    if (!std::isfinite(serialDays) || serialDays < -657434 || serialDays > 2958465)
        return {};
    static const QDateTime Epoch(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return Epoch.addSecs(std::llround(serialDays * 86400));
}

GpxPoint Point(const gpsdata::WaypointObject& w) {
    GpxPoint p;
    p.latitude = w.Latitude();
    p.longitude = w.Longitude();
    p.name = w.WptName();
    p.comment = w.Comment;
    p.time = Time(w.DateModified());
    p.index = w.WptIndex();
    p.symbol = w.WptSymbol();
    p.symbolName = GpxSymbols::Name(w.WptSymbol());
    p.type = w.WaypointType();
    return p;
}

GpxTrack Track(const gpsdata::TrailObject& trail) {
    GpxTrack t{trail.TrlName(), trail.TrlIndex(), {}};
    for (int i = 0; i < trail.NumPoints(); ++i) {
        if (t.segments.isEmpty() || (i > 0 && !trail.Continuous(i)))
            t.segments.append(QList<GpxTrackPoint>());
        t.segments.last().append({geo::YToLatitude(trail.PointY(i)), geo::XToLongitude(trail.PointX(i))});
    }
    return t;
}

} // namespace

GpxDocument GpxFile::ToDocument(const gpsdata::GPSData& data) {
    GpxDocument doc;
    doc.description = data.Description();
    for (const auto& entry : data.Waypoints())
        doc.waypoints.append(Point(*entry.object));
    for (const auto& entry : data.Icons()) {
        GpxPoint p;
        p.latitude = entry.object->Latitude();
        p.longitude = entry.object->Longitude();
        p.index = entry.object->IcnIndex();
        p.symbol = entry.object->IcnSymbol();
        p.symbolName = GpxSymbols::Name(entry.object->IcnSymbol());
        p.icon = true;
        doc.waypoints.append(p);
    }
    for (const auto& entry : data.Routes()) {
        const gpsdata::RouteObject& route = *entry.object;
        GpxRoute r{route.RteName(), route.RteIndex(), {}};
        for (int leg = 0; leg < route.NumWaypoints(); ++leg)
            if (const auto* w = route.Waypoint(leg))
                r.points.append(Point(*w));
        doc.routes.append(r);
    }
    for (const auto& entry : data.Trails())
        doc.tracks.append(Track(*entry.object));
    return doc;
}

void GpxFile::Load(gpsdata::GPSData& data, const GpxDocument& document) {
    GpxLoader(data).Load(document);
}

bool GpxFile::Open(gpsdata::GPSData& data, const QString& path) {
    const QString failure = "Error opening " + path + SectionMessages::CrLf;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SectionMessages::Raise(data, failure + "The file cannot be opened.");
        return false;
    }
    const GpxReader::Result read = GpxReader::Read(file);
    if (!read.error.isEmpty()) {
        SectionMessages::Raise(data, failure + read.error);
        return false;
    }
    data.DeleteWaypoints();
    data.DeleteRoutes();
    data.DeleteIcons();
    data.DeleteTrails();
    Load(data, read.document);
    emit data.IconListModified();
    emit data.RouteListModified();
    emit data.TrailListModified();
    emit data.WaypointListModified();
    data.SetDirty(false);
    return true;
}

bool GpxFile::Save(gpsdata::GPSData& data, const QString& path) {
    const QByteArray bytes = GpxWriter::Write(ToDocument(data));
    QSaveFile file(path);
    // commit() misses a write that fails while the buffer empties: flush first.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        SectionMessages::Raise(data, "Error saving " + path + SectionMessages::CrLf + file.errorString());
        return false;
    }
    data.SetDirty(false);
    return true;
}

} // namespace files
