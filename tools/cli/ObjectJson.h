#pragma once

#include <QJsonObject>
#include <QStringList>

namespace gpsdata {
class IconObject;
class RouteObject;
class TrailObject;
class WaypointObject;
} // namespace gpsdata

namespace cli {

// The objects of a data set as JSON objects with their own field names, and
// as tab-separated text rows with the same fields in the same order. Objects
// with one position also carry its latitude and longitude text.
class ObjectJson {
public:
    explicit ObjectJson(int positionFormat) : format_(positionFormat) {}

    QJsonObject Waypoint(const gpsdata::WaypointObject& w) const;
    QJsonObject Route(const gpsdata::RouteObject& r) const;
    QJsonObject Icon(const gpsdata::IconObject& i) const;
    QJsonObject Trail(const gpsdata::TrailObject& t) const;

    // The values of `object` in `keys` order, arrays written out.
    static QString Row(const QJsonObject& object, const QStringList& keys);

    static const QStringList WaypointKeys;
    static const QStringList RouteKeys;
    static const QStringList IconKeys;
    static const QStringList TrailKeys;

private:
    void AddPositionText(QJsonObject& object, qint32 x, qint32 y) const;

    int format_;
};

} // namespace cli
