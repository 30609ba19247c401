#pragma once

#include <QObject>
#include <QString>

namespace gpsdata {

class GPSData;

// One icon: an event marker with a position and a symbol.
class IconObject : public QObject {
    Q_OBJECT
public:
    explicit IconObject(GPSData& data);

    void InitializeIndex(qint16 InitIndex) { m_index = InitIndex; }

    qint16 IcnIndex() const { return m_index; }
    qint32 X() const { return m_x; }
    qint32 Y() const { return m_y; }
    qint32 IcnSymbol() const { return m_symbol; }
    double Latitude() const;
    double Longitude() const;

    void SetX(qint32 NewX);
    void SetY(qint32 NewY);
    void SetIcnSymbol(qint32 NewSymbol);
    void SetIcnIndex(qint16 NewIndex);
    // Through the coordinate write, then one more notification. Throws
    // geo::NumericError for degrees without an internal value.
    void SetLatitude(double NewLatitude);
    void SetLongitude(double NewLongitude);

    // Announces the removal; the data set takes the icon out of its collection.
    void Delete();

    // Index, symbol and position, without notification.
    void Copy(const IconObject& Icon);

    // "Icn" index symbol X Y.
    QString MakeString() const;
    // As the waypoint's: false with the text untouched when it is not an icon
    // record, false with the record taken off when a number does not fit.
    bool ParseString(QString& IconString);

signals:
    void IconRemoved();
    void IconChanged();

private:
    void Notify();

    GPSData* m_data;
    qint16 m_index = 0;
    qint32 m_symbol = 0;
    qint32 m_x = 0;
    qint32 m_y = 0;
};

} // namespace gpsdata
