#include "comm/UploadFit.h"

#include "linkpod/UnitText.h"

#include <set>

namespace comm {

using linkpod::UnitText;

bool UploadFit::TakesRoute(int index) const {
    const gpsdata::RouteObject* route = data_.Route(qint16(index));
    if (index < 0 || index >= limits_.maxRoutes)
        return false;
    if (!route)
        return true; // erasing the slot
    if (route->NumWaypoints() > limits_.maxWaypointsPerRoute)
        return false;
    return std::all_of(route->Waypoints().begin(), route->Waypoints().end(),
                       [this](qint16 w) { return TakesWaypoint(w); });
}

bool UploadFit::TakesTrail(int index) const {
    const gpsdata::TrailObject* trail = data_.Trail(qint16(index));
    if (index < 0 || index >= limits_.maxTrails)
        return false;
    return !trail || limits_.maxTrailPoints == 0 ||
           static_cast<std::uint32_t>(trail->NumPoints()) <= limits_.maxTrailPoints;
}

bool UploadFit::Selected(const KindRange& range, int index) {
    if (range.choice == KindRange::None)
        return false;
    return range.choice == KindRange::All || (index >= range.first && index <= range.last);
}

void UploadFit::NameProblem(const QString& item, const QString& name, QStringList& out) const {
    if (!UnitText::Fits(name, limits_.maxNameBytes))
        out << QStringLiteral("%1: its name is longer than the unit keeps (%2 bytes) and will be cut.")
                   .arg(item)
                   .arg(limits_.maxNameBytes);
}

void UploadFit::WaypointProblems(qint16 index, QStringList& out) const {
    const QString item = QStringLiteral("Waypoint number %1").arg(index + 1);
    if (!TakesWaypoint(index)) {
        out << QStringLiteral("%1 will not be sent: the unit has %2 waypoint slots.")
                   .arg(item)
                   .arg(limits_.maxWaypoints);
        return;
    }
    const gpsdata::WaypointObject* w = data_.Waypoint(index);
    NameProblem(item, w->WptName(), out);
    if (!UnitText::Fits(w->Comment, limits_.maxCommentBytes))
        out << QStringLiteral("%1: its comment is longer than the unit keeps (%2 bytes) and will be cut.")
                   .arg(item)
                   .arg(limits_.maxCommentBytes);
}

QStringList UploadFit::Problems(const TransferSelection& selection) const {
    QStringList out;
    // Waypoints go out with the waypoints, or with the routes that name them.
    std::set<qint16> waypoints;
    for (const qint16 k : data_.Waypoints().Keys())
        if (Selected(selection.waypoints, k))
            waypoints.insert(k);
    for (const qint16 k : data_.Routes().Keys())
        if (Selected(selection.routes, k))
            for (const qint16 w : data_.Route(k)->Waypoints())
                if (data_.Waypoint(w))
                    waypoints.insert(w);
    for (const qint16 k : waypoints)
        WaypointProblems(k, out);

    for (const qint16 k : data_.Routes().Keys()) {
        if (!Selected(selection.routes, k))
            continue;
        const gpsdata::RouteObject* r = data_.Route(k);
        const QString item = QStringLiteral("Route number %1").arg(k + 1);
        if (k >= limits_.maxRoutes)
            out << QStringLiteral("%1 will not be sent: the unit has %2 route slots.")
                       .arg(item)
                       .arg(limits_.maxRoutes);
        else if (r->NumWaypoints() > limits_.maxWaypointsPerRoute)
            out << QStringLiteral(
                       "%1 will not be sent: it has %2 waypoints and the unit keeps %3 in a route.")
                       .arg(item)
                       .arg(r->NumWaypoints())
                       .arg(limits_.maxWaypointsPerRoute);
        else if (!TakesRoute(k))
            out << QStringLiteral("%1 will not be sent: the unit cannot hold all of its waypoints.")
                       .arg(item);
        else
            NameProblem(item, r->RteName(), out);
    }

    if (selection.icons.choice != KindRange::None && IconsTaken(data_.CountIcons()) < data_.CountIcons())
        out << QStringLiteral("Icons from number %1 on will not be sent: the unit holds %2 icons.")
                   .arg(limits_.maxIcons + 1)
                   .arg(limits_.maxIcons);

    for (const qint16 k : data_.Trails().Keys()) {
        if (!Selected(selection.trails, k))
            continue;
        const QString item = QStringLiteral("Trail number %1").arg(k + 1);
        if (k >= limits_.maxTrails)
            out << QStringLiteral("%1 will not be sent: the unit has %2 trail slots.")
                       .arg(item)
                       .arg(limits_.maxTrails);
        else if (!TakesTrail(k))
            out << QStringLiteral("%1 will not be sent: it has %2 points and the unit keeps %3 in a trail.")
                       .arg(item)
                       .arg(data_.Trail(k)->NumPoints())
                       .arg(limits_.maxTrailPoints);
        else
            NameProblem(item, data_.Trail(k)->TrlName(), out);
    }
    return out;
}

} // namespace comm
