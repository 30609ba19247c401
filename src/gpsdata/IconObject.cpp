#include "gpsdata/IconObject.h"

#include "geo/Coordinates.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/TextRecord.h"

namespace gpsdata {

IconObject::IconObject(GPSData& data) : m_data(&data) {}

void IconObject::Notify() {
    emit IconChanged();
    m_data->FireIconChanged(m_index);
}

double IconObject::Latitude() const {
    return geo::YToLatitude(m_y);
}

double IconObject::Longitude() const {
    return geo::XToLongitude(m_x);
}

void IconObject::SetX(qint32 NewX) {
    m_x = NewX;
    Notify();
}

void IconObject::SetY(qint32 NewY) {
    m_y = NewY;
    Notify();
}

void IconObject::SetIcnSymbol(qint32 NewSymbol) {
    m_symbol = NewSymbol;
    Notify();
}

void IconObject::SetIcnIndex(qint16 NewIndex) {
    m_index = NewIndex;
    Notify();
}

void IconObject::SetLatitude(double NewLatitude) {
    SetY(geo::LatitudeToY(NewLatitude));
    Notify();
}

void IconObject::SetLongitude(double NewLongitude) {
    SetX(geo::LongitudeToX(NewLongitude));
    Notify();
}

void IconObject::Delete() {
    emit IconRemoved();
    m_data->FireIconRemoved(m_index);
}

void IconObject::Copy(const IconObject& Icon) {
    m_index = Icon.m_index;
    m_symbol = Icon.m_symbol;
    m_x = Icon.m_x;
    m_y = Icon.m_y;
}

QString IconObject::MakeString() const {
    const QStringList fields = {QStringLiteral("Icn"), QString::number(m_index), QString::number(m_symbol),
                                QString::number(m_x), QString::number(m_y)};
    return fields.join(m_data->ClipboardDelimiter());
}

bool IconObject::ParseString(QString& IconString) {
    if (!IconString.trimmed().startsWith(u"Icn"))
        return false;
    TextRecord record(IconString);
    IconString = record.RestFrom(6);
    const auto index = record.Int16(2);
    const auto symbol = record.Int32(3);
    const auto x = record.Int32(4);
    const auto y = record.Int32(5);
    if (!index || !symbol || !x || !y)
        return false;
    m_index = *index;
    m_symbol = *symbol;
    m_x = *x;
    m_y = *y;
    return true;
}

} // namespace gpsdata
