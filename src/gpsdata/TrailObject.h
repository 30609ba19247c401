#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace gpsdata {

class GPSData;

// One plot trail, the track the unit records: points in recorded order, each
// with a flag that says whether the line continues into it from the previous one.
class TrailObject : public QObject {
    Q_OBJECT
public:
    struct Point {
        qint32 X;
        qint32 Y;
        bool Continuous;
    };

    explicit TrailObject(GPSData& data);

    void InitializeIndex(qint16 InitIndex) { m_index = InitIndex; }

    QString TrlName() const { return m_name; }
    // Writing the current name does nothing.
    void SetTrlName(const QString& NewName);
    qint16 TrlIndex() const { return m_index; }
    void SetTrlIndex(qint16 NewIndex);

    int NumPoints() const { return static_cast<int>(m_points.size()); }
    // 0 (false) outside 0 <= i < NumPoints.
    qint32 PointX(int i) const;
    qint32 PointY(int i) const;
    bool Continuous(int i) const;

    // Point i takes the i-th entry of each list (lists of unequal length give
    // as many points as the shortest); empty lists empty the trail. Notifies.
    void SetPoints(const QList<qint32>& colPointX, const QList<qint32>& colPointY,
                   const QList<bool>& colContinuous);
    // The older delta form: point 0 is (X, Y), each further point the previous
    // one moved by a delta; all points continuous. Sums beyond the 32-bit range
    // stop at its end. Notifies.
    void SetDeltas(qint32 X, qint32 Y, const QList<qint32>& XDeltas, const QList<qint32>& YDeltas);
    // Keeps the first `NumPoints` points. Notifies.
    void TrimPoints(int NumPoints);

    // Announces the removal; the data set takes the trail out of its collection.
    void Delete();

    // Index, name and points, without notification.
    void Copy(const TrailObject& Trail);
    void CopyPoints(const TrailObject& Trail) { m_points = Trail.m_points; }

    // "Trl" index count name, then each point's latitude and longitude on a line
    // of its own; "Trl" index "0" for an empty trail.
    QString MakeString() const;
    // Reads a record from the front of `TrailString` and takes it off. Points
    // past the unit's limit are dropped with a message, points whose degrees
    // have no internal position are skipped. False, text untouched, when the
    // text is not a trail record; false, record taken off, when the index or
    // the count does not fit its field.
    bool ParseString(QString& TrailString);

signals:
    void TrailRemoved();
    void TrailChanged();

private:
    void Notify();

    GPSData* m_data;
    QList<Point> m_points;
    QString m_name;
    qint16 m_index = 0;
};

} // namespace gpsdata
