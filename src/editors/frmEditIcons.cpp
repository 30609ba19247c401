#include "editors/frmEditIcons.h"

#include "editors/ListRow.h"
#include "files/ClipboardRecords.h"
#include "geo/PositionText.h"

namespace editors {

namespace {
enum Column { Symbol, Latitude, Longitude };
}

frmEditIcons::frmEditIcons(EditorContext& context, QWidget* parent)
    : ObjectListWindow(context,
                       {QStringLiteral("Icon List"),
                        QStringLiteral("frmEditIcons"),
                        QStringLiteral("lvwIcons"),
                        QStringLiteral("Icn "),
                        QStringLiteral("Icon"),
                        QStringLiteral("icon"),
                        {QStringLiteral("Symbol"), QStringLiteral("Latitude"), QStringLiteral("Longitude")},
                        false},
                       {.collection = &gpsdata::GPSData::Icons,
                        .find = &gpsdata::GPSData::Icon,
                        .remove = &gpsdata::GPSData::DeleteIcon,
                        .paste = &files::ClipboardRecords::PasteIcons,
                        .open = &EditorContext::openIcon},
                       parent) {
    Follow(&gpsdata::GPSData::IconAdded, &gpsdata::GPSData::IconChanged, &gpsdata::GPSData::IconRemoved,
           &gpsdata::GPSData::IconListModified);
    Fill();
}

void frmEditIcons::WriteRow(ListRow& row, qint16 index) {
    const gpsdata::IconObject& icon = *Find(index);
    const int format = data_.PositionFormat();
    row.setIcon(Symbol, icons_.Icon(icon.IcnSymbol(), devicePixelRatioF()));
    row.SetSortValue(Symbol, icon.IcnSymbol());
    row.setText(Latitude, geo::FormatLatitude(icon.Y(), format));
    row.SetSortValue(Latitude, icon.Y());
    row.setText(Longitude, geo::FormatLongitude(icon.X(), format));
    row.SetSortValue(Longitude, icon.X());
}

} // namespace editors
