#include "editors/frmEditWaypoint.h"

#include "editors/DateText.h"
#include "files/ClipboardRecords.h"
#include "gpsdata/GPSData.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace editors {

frmEditWaypoint::frmEditWaypoint(EditorContext& context, qint16 index, QWidget* parent)
    : ItemEditor(context, index, parent), txtName_(new QLineEdit), lblDate_(new QLabel) {
    setObjectName(QStringLiteral("frmEditWaypoint"));
    setWindowTitle(QStringLiteral("Edit Waypoint"));
    txtName_->setObjectName(QStringLiteral("txtName"));
    lblDate_->setObjectName(QStringLiteral("lblDate"));
    Build([this](QFormLayout& form) {
        form.addRow(QStringLiteral("&Name:"), txtName_);
        form.addRow(QStringLiteral("Date:"), lblDate_);
    });
    RefillOn(&gpsdata::GPSData::WaypointChanged);
    CloseOn(&gpsdata::GPSData::WaypointRemoved);
    connect(&context.data, &gpsdata::GPSData::WaypointListModified, this, &ItemEditor::Fill);
    Fill();
}

gpsdata::WaypointObject* frmEditWaypoint::Object() const {
    return context_.data.Waypoint(Index());
}

qint32 frmEditWaypoint::X() const {
    return Object()->X();
}

qint32 frmEditWaypoint::Y() const {
    return Object()->Y();
}

int frmEditWaypoint::Symbol() const {
    return Object()->WptSymbol();
}

void frmEditWaypoint::SetSymbol(int symbol) {
    Object()->SetWptSymbol(symbol);
}

void frmEditWaypoint::SetPosition(std::optional<double> latitude, std::optional<double> longitude) {
    if (latitude)
        Object()->SetLatitude(*latitude);
    if (longitude)
        Object()->SetLongitude(*longitude);
}

void frmEditWaypoint::FillFields() {
    txtName_->setText(Object()->WptName());
    lblDate_->setText(DateText(Object()->DateModified()));
}

void frmEditWaypoint::StoreFields() {
    Object()->SetWptName(txtName_->text());
}

QString frmEditWaypoint::MakeString() const {
    return Object()->MakeString();
}

bool frmEditWaypoint::HoldsRecord(const QString& text) const {
    return !files::ClipboardRecords::Waypoints(context_.data, text).empty();
}

void frmEditWaypoint::PasteRecord(const QString& text) {
    const auto records = files::ClipboardRecords::Waypoints(context_.data, text);
    if (records.empty())
        return;
    const gpsdata::WaypointObject& pasted = *records.front();
    gpsdata::WaypointObject* w = Object();
    w->Comment = pasted.Comment;
    w->SetWptName(pasted.WptName());
    w->SetX(pasted.X());
    w->SetY(pasted.Y());
    w->SetWptSymbol(pasted.WptSymbol());
    w->SetDateModified(pasted.DateModified());
}

void frmEditWaypoint::DeleteObject() {
    context_.data.DeleteWaypoint(Index());
}

} // namespace editors
