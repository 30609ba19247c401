#include "files/RouteSection.h"

#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "files/SectionMessages.h"
#include "files/SectionText.h"
#include "gpsdata/GPSData.h"

#include <QList>

#include <limits>

namespace files {
namespace {

constexpr int NameWidth = 12;
// Without a unit or a product the route waypoint limit grows by this much
// whenever a file holds more.
constexpr int RouteWaypointStep = 100;

} // namespace

RouteSection::RouteSection(gpsdata::GPSData& data, bool CurrentlyConnected)
    : m_data(data), m_connected(CurrentlyConnected) {}

void RouteSection::Raise(const QString& text) const {
    SectionMessages::Raise(m_data, text);
}

void RouteSection::RaiseLimitReached() const {
    Raise("Maximum number of total route waypoints" + SectionMessages::CrLf +
          "reached.  Remaining route waypoints ignored.");
}

bool RouteSection::RoomForAnotherLeg() {
    while (m_routeWaypoints >= m_data.MaxNumGPSRouteWaypoints()) {
        const int raised = m_data.MaxNumGPSRouteWaypoints() + RouteWaypointStep;
        if (m_connected || m_data.ProductID() != -1 || raised > std::numeric_limits<qint16>::max())
            return false;
        m_data.SetMaxNumGPSRouteWaypoints(static_cast<qint16>(raised));
    }
    return true;
}

RouteSection::Leg RouteSection::Check(int route, qint16 aviation, qint16 index) const {
    if (aviation == 0 && index > m_data.MaxNumGPSWaypoints()) {
        Raise(QStringLiteral("Illegal waypoint found") + SectionMessages::CrLf +
              QStringLiteral("in route #%1. Route deleted.").arg(route));
        return Leg::Illegal;
    }
    if (aviation != 0 && !m_data.Waypoint(index)) {
        Raise(QStringLiteral("Illegal Aviation waypoint found") + SectionMessages::CrLf +
              QStringLiteral("in route #%1. Route deleted.").arg(route));
        return Leg::Illegal;
    }
    return Leg::Kept;
}

SectionResult RouteSection::Read(ByteReader& in) {
    m_routeWaypoints = m_data.CountRouteWpts();
    const int count = in.ReadInt16();
    for (int k = 1; k <= count && !in.PastEnd(); ++k) {
        const QString name = SectionText::ReadFixed(in, NameWidth);
        const int legs = in.ReadInt16();
        if (in.PastEnd())
            break;
        if (legs > 0 && k > m_data.MaxNumGPSRoutes()) {
            Raise(SectionMessages::CountCut("Routes", "route", m_data.MaxNumGPSRoutes()));
            return SectionRead;
        }
        if (legs > 0 && !RoomForAnotherLeg()) {
            RaiseLimitReached();
            return SectionRead;
        }
        const int perRoute = m_data.MaxNumGPSWptsPerRoute();
        QList<qint16> kept;
        bool illegal = false;
        for (int j = 1; j <= legs && !in.PastEnd(); ++j) {
            const qint16 aviation = in.ReadInt16();
            const qint16 index = in.ReadInt16();
            if (in.PastEnd() || illegal || j > perRoute)
                continue;
            if (Check(k, aviation, index) == Leg::Illegal) {
                illegal = true;
                continue;
            }
            kept.append(index);
            ++m_routeWaypoints;
            if (j < legs && !RoomForAnotherLeg()) {
                RaiseLimitReached();
                return SectionRead;
            }
        }
        if (in.PastEnd())
            break;
        if (illegal) {
            m_routeWaypoints = m_data.CountRouteWpts();
            continue;
        }
        if (legs > perRoute)
            Raise(QStringLiteral("Waypoints in route #%1 after").arg(k) + SectionMessages::CrLf +
                  QStringLiteral("waypoint #%1 ignored.").arg(perRoute));
        if (!kept.isEmpty())
            m_data.AddRoute(static_cast<qint16>(k - 1), name, kept);
    }
    return SectionRead;
}

void RouteSection::Write(ByteWriter& out, const gpsdata::GPSData& data) {
    const int slotCount = data.MaxNumGPSRoutes();
    if (slotCount <= 0)
        return;
    out.WriteInt16(static_cast<qint16>(slotCount));
    for (int slot = 0; slot < slotCount; ++slot) {
        const gpsdata::RouteObject* route = data.Route(static_cast<qint16>(slot));
        SectionText::WriteFixed(out, route ? route->RteName() : QString(), NameWidth);
        const int legs = route ? route->NumWaypoints() : 0;
        out.WriteInt16(static_cast<qint16>(legs));
        for (int leg = 0; leg < legs; ++leg) {
            out.WriteInt16(route->LegIsJeppesen(leg) ? -1 : 0);
            out.WriteInt16(route->Waypoints().at(leg));
        }
    }
}

} // namespace files
