#include "editors/frmEditIcon.h"

#include "files/ClipboardRecords.h"
#include "gpsdata/GPSData.h"

#include <QFormLayout>

namespace editors {

frmEditIcon::frmEditIcon(EditorContext& context, qint16 index, QWidget* parent)
    : ItemEditor(context, index, parent) {
    setObjectName(QStringLiteral("frmEditIcon"));
    setWindowTitle(QStringLiteral("Insert/Edit Icon"));
    Build([](QFormLayout&) {});
    RefillOn(&gpsdata::GPSData::IconChanged);
    CloseOn(&gpsdata::GPSData::IconRemoved);
    connect(&context.data, &gpsdata::GPSData::IconListModified, this, &ItemEditor::Fill);
    Fill();
}

gpsdata::IconObject* frmEditIcon::Object() const {
    return context_.data.Icon(Index());
}

qint32 frmEditIcon::X() const {
    return Object()->X();
}

qint32 frmEditIcon::Y() const {
    return Object()->Y();
}

int frmEditIcon::Symbol() const {
    return Object()->IcnSymbol();
}

void frmEditIcon::SetSymbol(int symbol) {
    Object()->SetIcnSymbol(symbol);
}

void frmEditIcon::SetPosition(std::optional<double> latitude, std::optional<double> longitude) {
    if (latitude)
        Object()->SetLatitude(*latitude);
    if (longitude)
        Object()->SetLongitude(*longitude);
}

QString frmEditIcon::MakeString() const {
    return Object()->MakeString();
}

bool frmEditIcon::HoldsRecord(const QString& text) const {
    return !files::ClipboardRecords::Icons(context_.data, text).empty();
}

void frmEditIcon::PasteRecord(const QString& text) {
    const auto records = files::ClipboardRecords::Icons(context_.data, text);
    if (records.empty())
        return;
    const gpsdata::IconObject& pasted = *records.front();
    gpsdata::IconObject* icon = Object();
    icon->SetX(pasted.X());
    icon->SetY(pasted.Y());
    icon->SetIcnSymbol(pasted.IcnSymbol());
}

void frmEditIcon::DeleteObject() {
    context_.data.DeleteIcon(Index());
}

} // namespace editors
