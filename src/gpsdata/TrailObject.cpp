#include "gpsdata/TrailObject.h"

#include "geo/Coordinates.h"
#include "geo/NumericError.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"
#include "gpsdata/TextRecord.h"

#include <algorithm>
#include <limits>

namespace gpsdata {

namespace {

qint32 Saturated(qint64 value) {
    constexpr qint64 low = std::numeric_limits<qint32>::min();
    constexpr qint64 high = std::numeric_limits<qint32>::max();
    return static_cast<qint32>(std::clamp(value, low, high));
}

} // namespace

TrailObject::TrailObject(GPSData& data) : m_data(&data) {}

void TrailObject::Notify() {
    emit TrailChanged();
    m_data->FireTrailChanged(m_index);
}

void TrailObject::SetTrlName(const QString& NewName) {
    if (NewName == m_name)
        return;
    m_name = NewName;
    Notify();
}

void TrailObject::SetTrlIndex(qint16 NewIndex) {
    m_index = NewIndex;
    Notify();
}

qint32 TrailObject::PointX(int i) const {
    return i >= 0 && i < NumPoints() ? m_points[i].X : 0;
}

qint32 TrailObject::PointY(int i) const {
    return i >= 0 && i < NumPoints() ? m_points[i].Y : 0;
}

bool TrailObject::Continuous(int i) const {
    return i >= 0 && i < NumPoints() && m_points[i].Continuous;
}

void TrailObject::SetPoints(const QList<qint32>& colPointX, const QList<qint32>& colPointY,
                            const QList<bool>& colContinuous) {
    const qsizetype n = std::min({colPointX.size(), colPointY.size(), colContinuous.size()});
    m_points.clear();
    m_points.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        m_points.append({colPointX[i], colPointY[i], colContinuous[i]});
    Notify();
}

void TrailObject::SetDeltas(qint32 X, qint32 Y, const QList<qint32>& XDeltas, const QList<qint32>& YDeltas) {
    const qsizetype n = std::min(XDeltas.size(), YDeltas.size());
    m_points.clear();
    if (n > 0) {
        m_points.reserve(n + 1);
        m_points.append({X, Y, true});
        for (qsizetype k = 0; k < n; ++k) {
            const Point& previous = m_points.back();
            m_points.append({Saturated(qint64(previous.X) + XDeltas[k]),
                             Saturated(qint64(previous.Y) + YDeltas[k]), true});
        }
    }
    Notify();
}

void TrailObject::TrimPoints(int NumPoints) {
    if (NumPoints >= 0 && NumPoints < this->NumPoints())
        m_points.resize(NumPoints);
    Notify();
}

void TrailObject::Delete() {
    emit TrailRemoved();
    m_data->FireTrailRemoved(m_index);
}

void TrailObject::Copy(const TrailObject& Trail) {
    m_index = Trail.m_index;
    m_name = Trail.m_name;
    CopyPoints(Trail);
}

QString TrailObject::MakeString() const {
    const QString d = m_data->ClipboardDelimiter();
    QString text = QStringLiteral("Trl") + d + QString::number(m_index) + d;
    if (m_points.isEmpty())
        return text + u'0';
    text += QString::number(NumPoints()) + d + m_name + d;
    for (const Point& p : m_points)
        text += QStringLiteral("\r\n") + TextRecord::Decimal(geo::YToLatitude(p.Y)) + d +
                TextRecord::Decimal(geo::XToLongitude(p.X));
    return text;
}

bool TrailObject::ParseString(QString& TrailString) {
    if (!TrailString.trimmed().startsWith(u"Trl"))
        return false;
    TextRecord record(TrailString);
    const auto index = record.Int16(2);
    const auto count = record.Int32(3);
    if (!index || !count) {
        TrailString = record.RestFrom(4);
        return false;
    }
    // A record that claims no points has no name either; a record with one
    // point is taken off whole, but a single point makes no trail.
    const int points = qMax(0, *count);
    const int end = points == 0 ? 4 : static_cast<int>(qMin<qint64>(5 + 2 * qint64(points), INT_MAX));
    TrailString = record.RestFrom(end);
    InitializeIndex(*index);
    m_points.clear();
    if (points < 2)
        return true;
    m_name = record.Field(4);
    const int limit = qMax<int>(0, m_data->MaxNumGPSTrailDeltas());
    for (int n = 5; n < end && record.HasField(n) && m_points.size() < limit; n += 2) {
        try {
            const qint32 y = geo::LatitudeToY(record.Number(n));
            const qint32 x = geo::LongitudeToX(record.Number(n + 1));
            m_points.append({x, y, true});
        } catch (const geo::NumericError&) {
            // Degrees with no internal position (past a pole): skipped.
        }
    }
    if (points > limit)
        if (ui::Prompt* prompt = m_data->Prompt())
            prompt->Message(QStringLiteral("Trail Error"),
                            QStringLiteral("Too many trail points. Only %1 trail points allowed.").arg(limit),
                            ui::Icon::Information);
    return true;
}

} // namespace gpsdata
