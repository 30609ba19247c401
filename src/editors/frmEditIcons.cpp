#include "editors/frmEditIcons.h"

#include "editors/ListRow.h"
#include "files/ClipboardRecords.h"
#include "geo/PositionText.h"
#include "gpsdata/GPSData.h"

namespace editors {

namespace {
enum Column { Symbol, Latitude, Longitude };
}

frmEditIcons::frmEditIcons(EditorContext& context, QWidget* parent)
    : ListWindow(context,
                 {QStringLiteral("Icon List"),
                  QStringLiteral("frmEditIcons"),
                  QStringLiteral("lvwIcons"),
                  QStringLiteral("Icn "),
                  QStringLiteral("Icon"),
                  QStringLiteral("icon"),
                  {QStringLiteral("Symbol"), QStringLiteral("Latitude"), QStringLiteral("Longitude")},
                  false},
                 parent) {
    Follow(&gpsdata::GPSData::IconAdded, &gpsdata::GPSData::IconChanged, &gpsdata::GPSData::IconRemoved,
           &gpsdata::GPSData::IconListModified);
    Fill();
}

QList<qint16> frmEditIcons::ListedIndexes() const {
    return data_.Icons().Keys();
}

bool frmEditIcons::Listed(qint16 index) const {
    return data_.Icon(index) != nullptr;
}

void frmEditIcons::WriteRow(ListRow& row, qint16 index) {
    const gpsdata::IconObject& icon = *data_.Icon(index);
    const int format = data_.PositionFormat();
    row.setIcon(Symbol, icons_.Icon(icon.IcnSymbol(), devicePixelRatioF()));
    row.SetSortValue(Symbol, icon.IcnSymbol());
    row.setText(Latitude, geo::FormatLatitude(icon.Y(), format));
    row.SetSortValue(Latitude, icon.Y());
    row.setText(Longitude, geo::FormatLongitude(icon.X(), format));
    row.SetSortValue(Longitude, icon.X());
}

QString frmEditIcons::RecordText(qint16 index) const {
    return data_.Icon(index)->MakeString();
}

QList<qint16> frmEditIcons::InsertRecords(const QString& text) {
    return files::ClipboardRecords::PasteIcons(data_, text);
}

void frmEditIcons::DeleteObject(qint16 index) {
    data_.DeleteIcon(index);
}

QString frmEditIcons::ObjectName(qint16) const {
    return {};
}

void frmEditIcons::OpenEditor(qint16 index) {
    if (context_.openIcon)
        context_.openIcon(index);
}

} // namespace editors
