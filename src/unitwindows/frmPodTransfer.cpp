#include "unitwindows/frmPodTransfer.h"

#include "unitwindows/TransferButtons.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace unitwindows {

namespace {

comm::KindRange AllOrNone(const QCheckBox* box) {
    return box->isChecked() ? comm::KindRange::Everything() : comm::KindRange::Nothing();
}

} // namespace

frmPodTransfer::frmPodTransfer(const comm::TransferSelection& selection, QWidget* owner)
    : QDialog(owner), waypoints_(Box("chkWaypoints", QStringLiteral("&Waypoints"), selection.waypoints)),
      routes_(Box("chkRoutes", QStringLiteral("&Routes"), selection.routes)),
      icons_(Box("chkIcons", QStringLiteral("&Icons"), selection.icons)),
      trails_(Box("chkTrails", QStringLiteral("&Trails"), selection.trails)) {
    setObjectName(QStringLiteral("frmPodTransfer"));
    setWindowTitle(QStringLiteral("Transfer Data"));
    auto* kinds = new QGroupBox(QStringLiteral("Data to transfer"), this);
    auto* column = new QVBoxLayout(kinds);
    for (QCheckBox* box : {waypoints_, routes_, icons_, trails_}) {
        box->setParent(kinds);
        column->addWidget(box);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kinds);
    layout->addWidget(new TransferButtons(
        this, [this] { emit DownloadRequested(Selection()); },
        [this] { emit UploadRequested(Selection()); }));
}

QCheckBox* frmPodTransfer::Box(const char* name, const QString& caption, const comm::KindRange& range) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QLatin1String(name));
    box->setChecked(range.choice != comm::KindRange::None);
    return box;
}

comm::TransferSelection frmPodTransfer::Selection() const {
    return {AllOrNone(waypoints_), AllOrNone(routes_), AllOrNone(icons_), AllOrNone(trails_)};
}

} // namespace unitwindows
