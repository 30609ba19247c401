#pragma once

#include <QObject>
#include <QString>

namespace gpsdata {

class GPSData;

// One waypoint of the data set: a named position with a symbol and the few
// attributes the unit keeps. Every change is announced to the waypoint's own
// listeners (its editor) and to the data set, which marks itself dirty and
// tells the lists.
class WaypointObject : public QObject {
    Q_OBJECT
public:
    // `data` is told of every change and supplies the limits and settings the
    // waypoint needs. A waypoint parsed from pasted text belongs to the data set
    // too, before it is added.
    explicit WaypointObject(GPSData& data);

    // Handed on to the unit's data store, never interpreted; no notification.
    qint32 Altitude = 0;
    // Free text; no notification.
    QString Comment;

    void InitializeIndex(qint16 InitIndex) { m_index = InitIndex; }

    qint16 WptIndex() const { return m_index; }
    qint32 X() const { return m_x; }
    qint32 Y() const { return m_y; }
    QString WptName() const { return m_name; }
    qint32 WptSymbol() const { return m_symbol; }
    double DateModified() const { return m_date; }
    qint16 Region() const { return m_region; }
    // 1 marks a temporary waypoint, dropped when no route uses it.
    qint32 WaypointType() const { return m_type; }

    void SetWptSymbol(qint32 NewSymbol);
    void SetWaypointType(qint32 NewWaypointType);
    void SetX(qint32 NewX);
    void SetY(qint32 NewY);
    void SetWptName(const QString& NewName);
    void SetDateModified(double NewDate);
    void SetRegion(qint16 NewRegion);

    // Degrees; writing throws geo::NumericError for a latitude past a pole or a
    // value outside the internal range, leaving the waypoint unchanged.
    double Latitude() const;
    double Longitude() const;
    void SetLatitude(double NewLatitude);
    void SetLongitude(double NewLongitude);

    // DateModified as whole seconds from the unit link's epoch (1992-01-01) and
    // the files' epoch (1970-01-01).
    qint32 LurchDate() const;
    qint32 FileDate() const;
    qint32 WSFileDate() const { return FileDate(); }
    void SetLurchDate(qint32 NewDateValue);
    void SetFileDate(qint32 NewDateValue);
    void SetWSFileDate(qint32 NewDateValue) { SetFileDate(NewDateValue); }

    // Hit test for tool tips and picking. The caller passes the same
    // `MinDistance` through every waypoint and icon, so the last hit is the
    // closest one.
    bool GetToolTipText(float Xpos, float Ypos, float& MinDistance, QString& ToolTip,
                        qint16& FoundWaypointIndex) const;

    // Announces the removal; the data set takes the waypoint out of its collection.
    void Delete();

    // "Wpt" index name X Y symbol date type comment, with the data set's
    // clipboard delimiter between fields.
    QString MakeString() const;
    // Reads a record from the front of `WaypointString` and takes it off. False,
    // with the text untouched, when the text is not a waypoint record; false,
    // with the record taken off and this waypoint untouched, when a number does
    // not fit its field.
    bool ParseString(QString& WaypointString);

    // All fields but Altitude, without notification.
    void Copy(const WaypointObject& Waypoint);

signals:
    void WaypointChanged();
    void WaypointRemoved();

private:
    void Notify();

    GPSData* m_data;
    qint16 m_index = 0;
    qint32 m_x = 0;
    qint32 m_y = 0;
    QString m_name;
    qint32 m_symbol = 0;
    qint16 m_region = 0;
    qint32 m_type = 0;
    double m_date = 0;
};

} // namespace gpsdata
