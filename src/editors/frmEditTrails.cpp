#include "editors/frmEditTrails.h"

#include "editors/ListRow.h"
#include "files/ClipboardRecords.h"
#include "geo/PositionText.h"

namespace editors {

namespace {
enum Column { Name, Points, Origin, Number };
}

frmEditTrails::frmEditTrails(EditorContext& context, QWidget* parent)
    : ObjectListWindow(context,
                       {QStringLiteral("Trail List"),
                        QStringLiteral("frmEditTrails"),
                        QStringLiteral("lvwTrails"),
                        QStringLiteral("Trl "),
                        QStringLiteral("Trail"),
                        QStringLiteral("trail"),
                        {QStringLiteral("Name"), QStringLiteral("Points"), QStringLiteral("Origin"),
                         QStringLiteral("Number")}},
                       {&gpsdata::GPSData::Trails, &gpsdata::GPSData::Trail, &gpsdata::GPSData::DeleteTrail,
                        &files::ClipboardRecords::PasteTrails, &gpsdata::TrailObject::TrlName,
                        &gpsdata::TrailObject::SetTrlName},
                       parent) {
    Follow(&gpsdata::GPSData::TrailAdded, &gpsdata::GPSData::TrailChanged, &gpsdata::GPSData::TrailRemoved,
           &gpsdata::GPSData::TrailListModified);
    Fill();
}

void frmEditTrails::WriteRow(ListRow& row, qint16 index) {
    const gpsdata::TrailObject& t = *Find(index);
    const int format = data_.PositionFormat();
    row.setText(Name, t.TrlName());
    row.setText(Points, QString::number(t.NumPoints()));
    row.SetSortValue(Points, t.NumPoints());
    row.setText(Origin,
                geo::FormatLatitude(t.PointY(0), format) + u' ' + geo::FormatLongitude(t.PointX(0), format));
    row.setText(Number, QStringLiteral("%1").arg(index + 1, 2, 10, QLatin1Char('0')));
}

void frmEditTrails::AddPopupEntries(QMenu& menu, qint16 index) {
    context_.popups.AddTrailEntries(menu, *Find(index));
}

} // namespace editors
