#include "editors/frmEditTrails.h"

#include "editors/ListRow.h"
#include "files/ClipboardRecords.h"
#include "geo/PositionText.h"
#include "gpsdata/GPSData.h"

namespace editors {

namespace {
enum Column { Name, Points, Origin, Number };
}

frmEditTrails::frmEditTrails(EditorContext& context, QWidget* parent)
    : ListWindow(context,
                 {QStringLiteral("Trail List"),
                  QStringLiteral("frmEditTrails"),
                  QStringLiteral("lvwTrails"),
                  QStringLiteral("Trl "),
                  QStringLiteral("Trail"),
                  QStringLiteral("trail"),
                  {QStringLiteral("Name"), QStringLiteral("Points"), QStringLiteral("Origin"),
                   QStringLiteral("Number")}},
                 parent) {
    Follow(&gpsdata::GPSData::TrailAdded, &gpsdata::GPSData::TrailChanged, &gpsdata::GPSData::TrailRemoved,
           &gpsdata::GPSData::TrailListModified);
    Fill();
}

QList<qint16> frmEditTrails::ListedIndexes() const {
    return data_.Trails().Keys();
}

bool frmEditTrails::Listed(qint16 index) const {
    return data_.Trail(index) != nullptr;
}

void frmEditTrails::WriteRow(ListRow& row, qint16 index) {
    const gpsdata::TrailObject& t = *data_.Trail(index);
    const int format = data_.PositionFormat();
    row.setText(Name, t.TrlName());
    row.setText(Points, QString::number(t.NumPoints()));
    row.SetSortValue(Points, t.NumPoints());
    row.setText(Origin,
                geo::FormatLatitude(t.PointY(0), format) + u' ' + geo::FormatLongitude(t.PointX(0), format));
    row.setText(Number, QStringLiteral("%1").arg(index + 1, 2, 10, QLatin1Char('0')));
}

QString frmEditTrails::RecordText(qint16 index) const {
    return data_.Trail(index)->MakeString();
}

QList<qint16> frmEditTrails::InsertRecords(const QString& text) {
    return files::ClipboardRecords::PasteTrails(data_, text);
}

void frmEditTrails::DeleteObject(qint16 index) {
    data_.DeleteTrail(index);
}

QString frmEditTrails::ObjectName(qint16 index) const {
    return data_.Trail(index)->TrlName();
}

void frmEditTrails::Rename(qint16 index, const QString& name) {
    data_.Trail(index)->SetTrlName(name);
}

} // namespace editors
