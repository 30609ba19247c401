#include "files/GpxLoader.h"

#include "files/GpxSymbols.h"
#include "files/SectionMessages.h"
#include "geo/Coordinates.h"
#include "gpsdata/GPSData.h"

#include <cmath>
#include <limits>

namespace files {
namespace {

constexpr double SamePlace = 0.0001;

// The slot an object takes: the one asked for when it is free and below the
// limit, else the lowest free one; none when all are taken.
template <typename Collection>
std::optional<qint16> PickSlot(const Collection& taken, const std::optional<int>& wanted, int limit) {
    if (wanted && *wanted >= 0 && *wanted < limit && !taken.Contains(qint16(*wanted)))
        return qint16(*wanted);
    for (int i = 0; i < limit; ++i)
        if (!taken.Contains(qint16(i)))
            return qint16(i);
    return std::nullopt;
}

qint32 FileDate(const QDateTime& time) {
    if (!time.isValid())
        return 0;
    const qint64 seconds = time.toSecsSinceEpoch();
    return qint32(qBound(qint64(std::numeric_limits<qint32>::min()), seconds,
                         qint64(std::numeric_limits<qint32>::max())));
}

bool SamePosition(const gpsdata::WaypointObject& w, const GpxPoint& p) {
    return std::fabs(w.Latitude() - p.latitude) < SamePlace &&
           std::fabs(w.Longitude() - p.longitude) < SamePlace;
}

} // namespace

void GpxLoader::Load(const GpxDocument& document) {
    m_data.SetDescription(document.description);
    QList<GpxPoint> waypoints;
    QList<GpxPoint> icons;
    for (const GpxPoint& p : document.waypoints)
        (p.icon ? icons : waypoints).append(p);
    AddWaypoints(waypoints);
    AddIcons(icons);
    AddRoutes(document.routes);
    AddTracks(document.tracks);
}

qint32 GpxLoader::Symbol(const GpxPoint& p) const {
    // Our own number is exact; another program's symbol name is matched.
    const std::optional<int> symbol = p.symbol ? p.symbol : GpxSymbols::Symbol(p.symbolName);
    if (symbol && *symbol >= 0 && *symbol < m_data.MaxNumGPSIconSymbols())
        return *symbol;
    return m_data.DefaultSymbol();
}

QString GpxLoader::Comment(const GpxPoint& p) {
    if (p.description.isEmpty() || p.description == p.comment)
        return p.comment;
    if (p.comment.isEmpty())
        return p.description;
    return p.comment + QStringLiteral(" - ") + p.description;
}

std::optional<qint16> GpxLoader::AddWaypoint(const GpxPoint& p) {
    if (m_waypointsFull)
        return std::nullopt;
    const auto slot = PickSlot(m_data.Waypoints(), p.index, m_data.MaxNumGPSWaypoints());
    if (!slot) {
        m_waypointsFull = true;
        SectionMessages::Raise(
            m_data, SectionMessages::CountCut("Waypoints", "waypoint", m_data.MaxNumGPSWaypoints()));
        return std::nullopt;
    }
    gpsdata::WaypointObject* w =
        m_data.AddNewFileWaypoint(*slot, geo::LongitudeToX(p.longitude), geo::LatitudeToY(p.latitude), p.name,
                                  Symbol(p), FileDate(p.time), Comment(p), p.type.value_or(0));
    // GPX names are the user's own: they keep their case and every
    // character, unlike the unit's names in the sectioned files.
    w->SetWptName(p.name);
    return slot;
}

void GpxLoader::AddWaypoints(const QList<GpxPoint>& points) {
    for (const GpxPoint& p : points)
        AddWaypoint(p);
}

void GpxLoader::AddIcons(const QList<GpxPoint>& points) {
    for (const GpxPoint& p : points) {
        const auto slot = PickSlot(m_data.Icons(), p.index, m_data.MaxNumGPSIcons());
        if (!slot) {
            SectionMessages::Raise(m_data,
                                   SectionMessages::CountCut("Icons", "icon", m_data.MaxNumGPSIcons()));
            return;
        }
        m_data.AddFileIcon(*slot, Symbol(p), p.latitude, p.longitude);
    }
}

std::optional<qint16> GpxLoader::RouteWaypoint(const GpxPoint& p) {
    if (p.index) {
        const auto* w = m_data.Waypoint(qint16(*p.index));
        if (w && SamePosition(*w, p))
            return w->WptIndex();
    }
    for (const auto& entry : m_data.Waypoints())
        if (SamePosition(*entry.object, p) && entry.object->WptName() == p.name)
            return entry.key;
    return AddWaypoint(p);
}

void GpxLoader::AddRoutes(const QList<GpxRoute>& routes) {
    int number = 0;
    for (const GpxRoute& r : routes) {
        ++number;
        const auto slot = PickSlot(m_data.Routes(), r.index, m_data.MaxNumGPSRoutes());
        if (!slot) {
            SectionMessages::Raise(m_data,
                                   SectionMessages::CountCut("Routes", "route", m_data.MaxNumGPSRoutes()));
            return;
        }
        const int room = qMin<int>(m_data.MaxNumGPSWptsPerRoute(),
                                   m_data.MaxNumGPSRouteWaypoints() - m_data.CountRouteWpts());
        QList<qint16> legs;
        for (const GpxPoint& p : r.points) {
            if (legs.size() >= room) {
                SectionMessages::Raise(m_data, QStringLiteral("Waypoints in route #%1 after").arg(number) +
                                                   SectionMessages::CrLf +
                                                   QStringLiteral("waypoint #%1 ignored.").arg(legs.size()));
                break;
            }
            if (const auto index = RouteWaypoint(p))
                legs.append(*index);
        }
        if (!legs.isEmpty())
            m_data.AddRoute(*slot, r.name, legs)->SetRteName(r.name);
    }
}

void GpxLoader::AddTracks(const QList<GpxTrack>& tracks) {
    int number = 0;
    for (const GpxTrack& t : tracks) {
        ++number;
        const auto slot = PickSlot(m_data.Trails(), t.index, m_data.MaxNumGPSTrails());
        if (!slot) {
            SectionMessages::Raise(
                m_data, SectionMessages::CountCut("Plot trails", "trail", m_data.MaxNumGPSTrails()));
            return;
        }
        QList<qint32> xs;
        QList<qint32> ys;
        QList<bool> continuous;
        const int limit = m_data.MaxNumGPSTrailDeltas();
        for (const auto& segment : t.segments) {
            for (qsizetype i = 0; i < segment.size() && xs.size() < limit; ++i) {
                // A segment begins where the line breaks; the trail's first
                // point counts as joined, as the unit records it.
                continuous.append(i > 0 || xs.isEmpty());
                xs.append(geo::LongitudeToX(segment[i].longitude));
                ys.append(geo::LatitudeToY(segment[i].latitude));
            }
        }
        qsizetype total = 0;
        for (const auto& segment : t.segments)
            total += segment.size();
        if (total > limit)
            SectionMessages::Raise(m_data, QStringLiteral("Trail #%1 points after").arg(number) +
                                               SectionMessages::CrLf +
                                               QStringLiteral("point %1 ignored.").arg(limit));
        m_data.AddTrail(*slot, t.name, 0, 0, xs, ys, continuous);
    }
}

} // namespace files
