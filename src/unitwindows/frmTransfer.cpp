#include "unitwindows/frmTransfer.h"

#include "gpsdata/GPSData.h"
#include "unitwindows/TransferButtons.h"
#include "unitwindows/TransferRangeBox.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace unitwindows {

frmTransfer::frmTransfer(const gpsdata::GPSData& data, const comm::TransferSelection& selection,
                         QWidget* owner)
    : QDialog(owner),
      waypoints_(new TransferRangeBox(QStringLiteral("Waypoints"), QStringLiteral("Wpt"), false, this)),
      routes_(new TransferRangeBox(QStringLiteral("Routes"), QStringLiteral("Rte"), false, this)),
      icons_(new TransferRangeBox(QStringLiteral("Icons"), QStringLiteral("Icn"), true, this)),
      trails_(new TransferRangeBox(QStringLiteral("Trails"), QStringLiteral("Trl"), false, this)) {
    setObjectName(QStringLiteral("frmTransfer"));
    setWindowTitle(QStringLiteral("Transfer Data"));
    waypoints_->SetMaximum(data.MaxNumGPSWaypoints());
    routes_->SetMaximum(data.MaxNumGPSRoutes());
    icons_->SetMaximum(data.MaxNumGPSIcons());
    trails_->SetMaximum(data.MaxNumGPSTrails());
    waypoints_->SetRange(selection.waypoints);
    routes_->SetRange(selection.routes);
    icons_->SetRange(selection.icons);
    trails_->SetRange(selection.trails);
    auto* kinds = new QGridLayout;
    kinds->addWidget(waypoints_, 0, 0);
    kinds->addWidget(routes_, 0, 1);
    kinds->addWidget(icons_, 1, 0);
    kinds->addWidget(trails_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addWidget(new TransferButtons(
        this, [this] { emit DownloadRequested(Selection()); },
        [this] { emit UploadRequested(Selection()); }));
}

comm::TransferSelection frmTransfer::Selection() const {
    return {waypoints_->Range(), routes_->Range(), icons_->Range(), trails_->Range()};
}

TransferRangeBox* frmTransfer::Box(const QString& prefix) const {
    return findChild<TransferRangeBox*>(QStringLiteral("fra") + prefix);
}

int frmTransfer::FirstWpt() const {
    return waypoints_->Range().first;
}

int frmTransfer::LastWpt() const {
    return waypoints_->Range().last;
}

int frmTransfer::FirstRte() const {
    return routes_->Range().first;
}

int frmTransfer::LastRte() const {
    return routes_->Range().last;
}

int frmTransfer::LastIcn() const {
    return icons_->Range().last;
}

int frmTransfer::FirstTrl() const {
    return trails_->Range().first;
}

int frmTransfer::LastTrl() const {
    return trails_->Range().last;
}

} // namespace unitwindows
