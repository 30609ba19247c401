#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

namespace gpsdata {

class GPSData;
class WaypointObject;

// One route: a name and the indexes of its waypoints in travel order. The
// route looks its waypoints up in the data set whenever it needs them, so a
// moved or renamed waypoint changes every route that uses it.
class RouteObject : public QObject {
    Q_OBJECT
public:
    // Indexes with any of these bits set are waypoints of the aviation database.
    static constexpr quint16 JeppesenBits = 0xE000;

    explicit RouteObject(GPSData& data);

    void InitializeIndex(qint16 InitIndex) { m_index = InitIndex; }

    QString RteName() const { return m_name; }
    void SetRteName(const QString& NewName);
    qint16 RteIndex() const { return m_index; }
    void SetRteIndex(qint16 NewIndex);

    int NumWaypoints() const { return static_cast<int>(m_legs.size()); }
    // The waypoint indexes in travel order; the same index may appear more than once.
    const QList<qint16>& Waypoints() const { return m_legs; }
    // Replaces the list and notifies.
    void SetWaypoints(const QList<qint16>& RouteWaypoints);
    // Replaces the list without notification (records read in one go).
    void SetWaypointsCollection(const QList<qint16>& list) { m_legs = list; }

    // The waypoint of entry `leg` (0-based), nullptr when the entry or the
    // waypoint does not exist.
    WaypointObject* Waypoint(int leg) const;
    bool LegIsJeppesen(int leg) const;

    // Inserts `WaypointNumber` as entry `position` (0-based; missing, or at or
    // past the end, appends). Returns "" or the reason for refusing, leaving the
    // route unchanged.
    QString AddWaypoint(qint16 WaypointNumber, std::optional<int> position = std::nullopt);

    // Miles from entry `leg` to the next one, entries counted from 1; 0 when
    // either is missing and for two points too close for the arc cosine.
    double LegDistance(int leg) const;
    double TotalDistance() const;

    // Removes entry `leg` (0-based); out-of-range values do nothing. Keeps the
    // route editor's current leg on the same waypoint.
    void RemoveLeg(int leg);

    // Announces the removal; the data set takes the route out of its collection.
    void Delete();

    // "Rte" index name, then one waypoint index per entry.
    QString MakeString() const;
    // Reads a record from the front of `RouteString` and takes it off. Legs
    // past the unit's limits are dropped with a message. False, text untouched,
    // when the text is not a route record; false, record taken off and route
    // untouched, when a number does not fit its field.
    bool ParseString(QString& RouteString);

    void Copy(const RouteObject& Route);

signals:
    void RouteChanged();
    void RouteRemoved();

private:
    void Notify();

    GPSData* m_data;
    QList<qint16> m_legs;
    QString m_name;
    qint16 m_index = 0;
};

} // namespace gpsdata
