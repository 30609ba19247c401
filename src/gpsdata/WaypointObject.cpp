#include "gpsdata/WaypointObject.h"

#include "geo/Coordinates.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/SerialDate.h"
#include "gpsdata/TextRecord.h"

#include <cmath>

namespace gpsdata {

namespace {

const QString NoComment = QStringLiteral("[None]");

} // namespace

WaypointObject::WaypointObject(GPSData& data) : m_data(&data) {}

void WaypointObject::Notify() {
    emit WaypointChanged();
    m_data->FireWaypointChanged(m_index);
}

void WaypointObject::SetWptSymbol(qint32 NewSymbol) {
    m_symbol = NewSymbol;
    Notify();
}

void WaypointObject::SetWaypointType(qint32 NewWaypointType) {
    m_type = NewWaypointType;
    Notify();
}

void WaypointObject::SetX(qint32 NewX) {
    m_x = NewX;
    Notify();
}

void WaypointObject::SetY(qint32 NewY) {
    m_y = NewY;
    Notify();
}

void WaypointObject::SetWptName(const QString& NewName) {
    m_name = NewName;
    Notify();
}

void WaypointObject::SetDateModified(double NewDate) {
    m_date = NewDate;
    Notify();
}

void WaypointObject::SetRegion(qint16 NewRegion) {
    m_region = NewRegion;
    Notify();
}

double WaypointObject::Latitude() const {
    return geo::YToLatitude(m_y);
}

double WaypointObject::Longitude() const {
    return geo::XToLongitude(m_x);
}

void WaypointObject::SetLatitude(double NewLatitude) {
    SetY(geo::LatitudeToY(NewLatitude));
}

void WaypointObject::SetLongitude(double NewLongitude) {
    SetX(geo::LongitudeToX(NewLongitude));
}

qint32 WaypointObject::LurchDate() const {
    return SerialDate::ToSeconds(SerialDate::LurchEpoch, m_date);
}

qint32 WaypointObject::FileDate() const {
    return SerialDate::ToSeconds(SerialDate::FileEpoch, m_date);
}

void WaypointObject::SetLurchDate(qint32 NewDateValue) {
    SetDateModified(SerialDate::FromSeconds(SerialDate::LurchEpoch, NewDateValue));
}

void WaypointObject::SetFileDate(qint32 NewDateValue) {
    SetDateModified(SerialDate::FromSeconds(SerialDate::FileEpoch, NewDateValue));
}

bool WaypointObject::GetToolTipText(float Xpos, float Ypos, float& MinDistance, QString& ToolTip,
                                    qint16& FoundWaypointIndex) const {
    const float dx = std::fabs(Xpos - static_cast<float>(m_x));
    const float dy = std::fabs(Ypos - static_cast<float>(m_y));
    if (!(dx + dy < MinDistance))
        return false;
    const float d = dx * dx + dy * dy;
    if (!(d <= MinDistance))
        return false;
    ToolTip = m_name;
    FoundWaypointIndex = m_index;
    MinDistance = d;
    return true;
}

void WaypointObject::Delete() {
    emit WaypointRemoved();
    m_data->FireWaypointRemoved(m_index);
}

QString WaypointObject::MakeString() const {
    const QStringList fields = {
        QStringLiteral("Wpt"),       QString::number(m_index), m_name,
        QString::number(m_x),        QString::number(m_y),     QString::number(m_symbol),
        TextRecord::Decimal(m_date), QString::number(m_type),  Comment.isEmpty() ? NoComment : Comment};
    return fields.join(m_data->ClipboardDelimiter());
}

bool WaypointObject::ParseString(QString& WaypointString) {
    if (!WaypointString.trimmed().startsWith(u"Wpt"))
        return false;
    TextRecord record(WaypointString);
    WaypointString = record.RestFrom(10);
    const auto index = record.Int16(2);
    const auto x = record.Int32(4);
    const auto y = record.Int32(5);
    const auto symbol = record.Int32(6);
    const double date = record.Number(7);
    const auto type = record.Int32(8);
    if (!index || !x || !y || !symbol || !std::isfinite(date) || !type)
        return false;
    const QString comment = record.Field(9).trimmed();
    InitializeIndex(*index);
    m_name = record.Field(3);
    m_x = *x;
    m_y = *y;
    m_symbol = *symbol;
    m_date = date;
    m_type = *type;
    Comment = comment == NoComment ? QString() : comment;
    return true;
}

void WaypointObject::Copy(const WaypointObject& Waypoint) {
    InitializeIndex(Waypoint.m_index);
    m_x = Waypoint.m_x;
    m_y = Waypoint.m_y;
    m_name = Waypoint.m_name;
    m_symbol = Waypoint.m_symbol;
    m_region = Waypoint.m_region;
    m_date = Waypoint.m_date;
    Comment = Waypoint.Comment;
    m_type = Waypoint.m_type;
}

} // namespace gpsdata
