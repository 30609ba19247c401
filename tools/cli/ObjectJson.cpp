#include "ObjectJson.h"

#include "geo/PositionText.h"
#include "gpsdata/GPSData.h"

#include <QJsonArray>

namespace cli {

const QStringList ObjectJson::WaypointKeys = {
    "WptIndex",     "WptName",      "X", "Y", "WptSymbol", "DateModified", "WaypointType", "Comment",
    "latitudeText", "longitudeText"};
const QStringList ObjectJson::RouteKeys = {"RteIndex", "RteName", "waypoints"};
const QStringList ObjectJson::IconKeys = {"IcnIndex", "IcnSymbol", "X", "Y", "latitudeText", "longitudeText"};
const QStringList ObjectJson::TrailKeys = {"TrlIndex", "TrlName", "points"};

void ObjectJson::AddPositionText(QJsonObject& object, qint32 x, qint32 y) const {
    object.insert("latitudeText", geo::FormatLatitude(y, format_));
    object.insert("longitudeText", geo::FormatLongitude(x, format_));
}

QJsonObject ObjectJson::Waypoint(const gpsdata::WaypointObject& w) const {
    QJsonObject o{{"WptIndex", w.WptIndex()},
                  {"WptName", w.WptName()},
                  {"X", w.X()},
                  {"Y", w.Y()},
                  {"WptSymbol", w.WptSymbol()},
                  {"DateModified", w.DateModified()},
                  {"WaypointType", w.WaypointType()},
                  {"Comment", w.Comment}};
    AddPositionText(o, w.X(), w.Y());
    return o;
}

QJsonObject ObjectJson::Route(const gpsdata::RouteObject& r) const {
    QJsonArray legs;
    for (qint16 index : r.Waypoints())
        legs.append(index);
    return {{"RteIndex", r.RteIndex()}, {"RteName", r.RteName()}, {"waypoints", legs}};
}

QJsonObject ObjectJson::Icon(const gpsdata::IconObject& i) const {
    QJsonObject o{{"IcnIndex", i.IcnIndex()}, {"IcnSymbol", i.IcnSymbol()}, {"X", i.X()}, {"Y", i.Y()}};
    AddPositionText(o, i.X(), i.Y());
    return o;
}

QJsonObject ObjectJson::Trail(const gpsdata::TrailObject& t) const {
    QJsonArray points;
    for (int i = 0; i < t.NumPoints(); ++i)
        points.append(QJsonArray{t.PointX(i), t.PointY(i), t.Continuous(i)});
    return {{"TrlIndex", t.TrlIndex()}, {"TrlName", t.TrlName()}, {"points", points}};
}

QString ObjectJson::Row(const QJsonObject& object, const QStringList& keys) {
    QStringList fields;
    for (const QString& key : keys) {
        const QJsonValue v = object.value(key);
        if (v.isArray())
            fields << QString::number(v.toArray().size()) + " entries";
        else if (v.isString())
            fields << v.toString();
        else
            fields << QString::number(v.toDouble(), 'g', 17);
    }
    return fields.join('\t');
}

} // namespace cli
