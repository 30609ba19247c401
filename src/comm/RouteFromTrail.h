#pragma once

#include "gpsdata/GPSData.h"

#include <QObject>
#include <QString>

namespace comm {

class Connection;

// The trail popup's "create route": the control lays a route of new
// waypoints along a trail of the data set in its own store (never on the
// unit), and the route and its waypoints are added to the data set as new
// objects.
class RouteFromTrail : public QObject {
    Q_OBJECT
public:
    RouteFromTrail(Connection& session, gpsdata::GPSData& data, QObject* parent = nullptr);

    // Does nothing without the trail, or while a route is being made.
    void CreateRoute(qint16 trailIndex);

signals:
    // The new route, or -1 when the data set had no free route.
    void RouteCreated(qint16 routeIndex);

private:
    void OnTrailRouteReady(int routeIndex, int waypointCount);

    Connection& session_;
    gpsdata::GPSData& data_;
    bool pending_ = false;
    QString trailName_;
};

} // namespace comm
