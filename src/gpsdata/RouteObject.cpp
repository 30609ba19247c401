#include "gpsdata/RouteObject.h"

#include "geo/GreatCircle.h"
#include "geo/NumericError.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"
#include "gpsdata/TextRecord.h"

namespace gpsdata {

namespace {

QString TooManyRouteWaypoints() {
    return QStringLiteral("Too many route waypoints. Delete some route legs and try again.");
}

// Leg fields of a route record are told from the next record's tag by
// comparing them as text.
bool IsLegField(const QString& field) {
    return field >= QStringLiteral("0") && field <= QStringLiteral("999999999");
}

} // namespace

RouteObject::RouteObject(GPSData& data) : m_data(&data) {}

void RouteObject::Notify() {
    emit RouteChanged();
    m_data->FireRouteChanged(m_index);
}

void RouteObject::SetRteName(const QString& NewName) {
    m_name = NewName;
    Notify();
}

void RouteObject::SetRteIndex(qint16 NewIndex) {
    m_index = NewIndex;
    Notify();
}

void RouteObject::SetWaypoints(const QList<qint16>& RouteWaypoints) {
    m_legs = RouteWaypoints;
    Notify();
}

WaypointObject* RouteObject::Waypoint(int leg) const {
    if (leg < 0 || leg >= NumWaypoints())
        return nullptr;
    return m_data->Waypoint(m_legs[leg]);
}

bool RouteObject::LegIsJeppesen(int leg) const {
    if (leg < 0 || leg >= NumWaypoints())
        return false;
    return (static_cast<quint16>(m_legs[leg]) & JeppesenBits) != 0;
}

QString RouteObject::AddWaypoint(qint16 WaypointNumber, std::optional<int> position) {
    if (NumWaypoints() >= m_data->MaxNumGPSWptsPerRoute())
        return QStringLiteral("Route is already full. Remove some legs from the route and try again.");
    if (m_data->CountRouteWpts() >= m_data->MaxNumGPSRouteWaypoints())
        return TooManyRouteWaypoints();
    const int at = qBound(0, position.value_or(NumWaypoints()), NumWaypoints());
    m_legs.insert(at, WaypointNumber);
    Notify();
    return QString();
}

double RouteObject::LegDistance(int leg) const {
    const WaypointObject* from = Waypoint(leg - 1);
    const WaypointObject* to = Waypoint(leg);
    if (!from || !to)
        return 0;
    try {
        return geo::GreatCircleMiles(from->X(), from->Y(), to->X(), to->Y());
    } catch (const geo::NumericError&) {
        // The same or nearly the same place twice: no distance to speak of.
        return 0;
    }
}

double RouteObject::TotalDistance() const {
    double total = 0;
    for (int leg = 1; leg <= NumWaypoints(); ++leg)
        total += LegDistance(leg);
    return total;
}

void RouteObject::RemoveLeg(int leg) {
    if (leg < 0 || leg >= NumWaypoints())
        return;
    if (m_data->EditingRoute() == m_index && m_data->Route(m_index) == this &&
        m_data->EditingRouteLeg() >= leg)
        m_data->SetEditingRouteLeg(qMax(0, m_data->EditingRouteLeg() - 1));
    m_legs.removeAt(leg);
    Notify();
}

void RouteObject::Delete() {
    emit RouteRemoved();
    m_data->FireRouteRemoved(m_index);
}

QString RouteObject::MakeString() const {
    QStringList fields = {QStringLiteral("Rte"), QString::number(m_index), m_name};
    for (const qint16 leg : m_legs)
        fields.append(QString::number(leg));
    return fields.join(m_data->ClipboardDelimiter());
}

bool RouteObject::ParseString(QString& RouteString) {
    if (!RouteString.trimmed().startsWith(u"Rte"))
        return false;
    TextRecord record(RouteString);
    int field = 4;
    while (IsLegField(record.Field(field)))
        ++field;
    RouteString = record.RestFrom(field);

    const auto index = record.Int16(2);
    if (!index)
        return false;
    QList<qint16> legs;
    for (int n = 4; n < field; ++n) {
        const auto leg = record.Int16(n);
        if (!leg)
            return false;
        legs.append(*leg);
    }

    // The legs the unit can take; this route's own old legs do not count.
    const int others = m_data->CountRouteWpts() - (m_data->Route(m_index) == this ? NumWaypoints() : 0);
    const int room =
        qMax(0, qMin<int>(m_data->MaxNumGPSWptsPerRoute(), m_data->MaxNumGPSRouteWaypoints() - others));
    if (legs.size() > room) {
        const bool routeFull = room >= m_data->MaxNumGPSWptsPerRoute();
        if (ui::Prompt* prompt = m_data->Prompt())
            prompt->Message(QStringLiteral("Rotue Error"),
                            routeFull
                                ? QStringLiteral("Too many waypoints in route. Remove some waypoints from "
                                                 "the route and try again.")
                                : TooManyRouteWaypoints(),
                            ui::Icon::Information);
        legs.resize(room);
    }
    InitializeIndex(*index);
    m_name = record.Field(3);
    m_legs = legs;
    return true;
}

void RouteObject::Copy(const RouteObject& Route) {
    m_index = Route.m_index;
    m_name = Route.m_name;
    m_legs = Route.m_legs;
}

} // namespace gpsdata
