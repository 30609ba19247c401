#include "app/frmMapSetup.h"

#include "geo/DistanceUnits.h"
#include "geo/PositionFormat.h"
#include "gpsdata/GPSData.h"
#include "mapview/WindowObject.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace app {

namespace {
// Corridor widths in internal units, in steps of a thousand.
constexpr int CorridorStep = 1000;
constexpr int CorridorMaxSteps = 200;
constexpr int ZoomChangeMax = 100;
} // namespace

frmMapSetup::frmMapSetup(mapview::WindowObject& view, gpsdata::GPSData& data, QWidget* parent)
    : QDialog(parent), view_(view), data_(data) {
    setObjectName(QStringLiteral("frmMapSetup"));
    setWindowTitle(QStringLiteral("Map Options"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildMap());
    right->addWidget(BuildPositionFormat());
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildDrawing());
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    // Only open routes, or all of them; names only with their waypoints.
    connect(chkDrawOnlyOpenRoutes_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            chkDrawRoutes_->setChecked(false);
    });
    connect(chkDrawRoutes_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            chkDrawOnlyOpenRoutes_->setChecked(false);
    });
    connect(chkDrawWaypoints_, &QCheckBox::toggled, chkShowWaypointNames_, &QWidget::setEnabled);
    chkShowWaypointNames_->setEnabled(chkDrawWaypoints_->isChecked());
    connect(sldCorridorWidth_, &QSlider::valueChanged, this, &frmMapSetup::ShowSliderValues);
    connect(sldZoomChange_, &QSlider::valueChanged, this, &frmMapSetup::ShowSliderValues);
    ShowSliderValues();
}

QCheckBox* frmMapSetup::Check(const char* name, const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

QWidget* frmMapSetup::BuildDrawing() {
    auto* group = new QGroupBox(QStringLiteral("Draw"));
    auto* layout = new QVBoxLayout(group);
    chkDrawWaypoints_ = Check("chkDrawWaypoints", QStringLiteral("Draw waypoints"), view_.DrawWaypoints);
    chkShowWaypointNames_ =
        Check("chkShowWaypointNames", QStringLiteral("Show waypoint names"), view_.ShowWaypointNames);
    chkDrawRoutes_ = Check("chkDrawRoutes", QStringLiteral("Draw all routes"), view_.DrawRoutes);
    chkDrawOnlyOpenRoutes_ =
        Check("chkDrawOnlyOpenRoutes", QStringLiteral("Draw only open routes"), view_.DrawOnlyOpenRoutes);
    chkDrawTrails_ = Check("chkDrawTrails", QStringLiteral("Draw trails"), view_.DrawTrails);
    chkDrawIcons_ = Check("chkDrawIcons", QStringLiteral("Draw icons"), view_.DrawIcons);
    chkDrawBlocks_ =
        Check("chkDrawBlocks", QStringLiteral("Draw block boundaries"), view_.DrawBlockBoundaries());
    chkDrawHotspots_ =
        Check("chkDrawHotspots", QStringLiteral("Draw border hotspots"), view_.DrawBorderHotspots());
    for (QCheckBox* box : {chkDrawWaypoints_, chkShowWaypointNames_, chkDrawRoutes_, chkDrawOnlyOpenRoutes_,
                           chkDrawTrails_, chkDrawIcons_, chkDrawBlocks_, chkDrawHotspots_})
        layout->addWidget(box);
    chkShowWaypointNames_->setContentsMargins(16, 0, 0, 0);
    layout->addStretch(1);
    return group;
}

QWidget* frmMapSetup::BuildMap() {
    auto* group = new QGroupBox(QStringLiteral("Map"));
    auto* form = new QFormLayout(group);
    cboUnits_ = new QComboBox;
    cboUnits_->setObjectName(QStringLiteral("cboUnits"));
    cboUnits_->addItems({QStringLiteral("Statute Miles"), QStringLiteral("Nautical Miles"),
                         QStringLiteral("Kilometers"), QStringLiteral("Mercator Meters")});
    cboUnits_->setCurrentIndex(std::clamp(view_.DistanceUnits, 0, 3));
    form->addRow(QStringLiteral("&Distance units:"), cboUnits_);

    optHighDetail_ = new QRadioButton(QStringLiteral("&High detail"));
    optHighDetail_->setObjectName(QStringLiteral("optHighDetail"));
    optLowDetail_ = new QRadioButton(QStringLiteral("&Low detail"));
    optLowDetail_->setObjectName(QStringLiteral("optLowDetail"));
    (view_.UseHighDetail() ? optHighDetail_ : optLowDetail_)->setChecked(true);
    auto* detail = new QHBoxLayout;
    detail->addWidget(optLowDetail_);
    detail->addWidget(optHighDetail_);
    form->addRow(QStringLiteral("Master map:"), detail);

    sldCorridorWidth_ = new QSlider(Qt::Horizontal);
    sldCorridorWidth_->setObjectName(QStringLiteral("sldCorridorWidth"));
    sldCorridorWidth_->setRange(1, CorridorMaxSteps);
    sldCorridorWidth_->setValue(std::clamp(view_.CorridorWidth() / CorridorStep, 1, CorridorMaxSteps));
    lblCorridorWidth_ = new QLabel;
    lblCorridorWidth_->setObjectName(QStringLiteral("lblCorridorWidth"));
    form->addRow(QStringLiteral("&Corridor width:"), sldCorridorWidth_);
    form->addRow(QString(), lblCorridorWidth_);

    sldZoomChange_ = new QSlider(Qt::Horizontal);
    sldZoomChange_->setObjectName(QStringLiteral("sldZoomChange"));
    sldZoomChange_->setRange(1, ZoomChangeMax);
    sldZoomChange_->setValue(
        std::clamp(static_cast<int>(std::lround(view_.MapZoomChange)), 1, ZoomChangeMax));
    lblZoomChange_ = new QLabel;
    lblZoomChange_->setObjectName(QStringLiteral("lblZoomChange"));
    form->addRow(QStringLiteral("&Zoom step:"), sldZoomChange_);
    form->addRow(QString(), lblZoomChange_);
    return group;
}

QWidget* frmMapSetup::BuildPositionFormat() {
    auto* group = new QGroupBox(QStringLiteral("Position Format"));
    auto* layout = new QVBoxLayout(group);
    optPositionFormat_ = new QButtonGroup(this);
    // Button i stands for format i + 1.
    for (int format = geo::PositionFormatNone; format <= geo::PositionFormatMercatorMeter; ++format) {
        auto* option = new QRadioButton(geo::PositionFormatCaption(format));
        option->setObjectName(QStringLiteral("optPositionFormat%1").arg(format - 1));
        optPositionFormat_->addButton(option, format - 1);
        layout->addWidget(option);
    }
    SetSelectedPositionFormat(data_.PositionFormat());
    return group;
}

int frmMapSetup::SelectedPositionFormat() const {
    const int checked = optPositionFormat_->checkedId();
    return checked < 0 ? 0 : checked + 1;
}

void frmMapSetup::SetSelectedPositionFormat(int format) {
    if (QAbstractButton* option = optPositionFormat_->button(format - 1))
        option->setChecked(true);
}

void frmMapSetup::ShowSliderValues() {
    // The width is in internal units; the label gives the ground distance at the view's centre.
    const double miles = geo::DistanceToMiles(sldCorridorWidth_->value() * CorridorStep,
                                              geo::DistanceUnitsMercatorMetres, view_.MidY);
    lblCorridorWidth_->setText(view_.FormatDistance(miles));
    lblZoomChange_->setText(QString::number(sldZoomChange_->value()) + QStringLiteral(" %"));
}

void frmMapSetup::accept() {
    view_.ShowWaypointNames = chkShowWaypointNames_->isChecked();
    view_.DrawRoutes = chkDrawRoutes_->isChecked();
    view_.DrawTrails = chkDrawTrails_->isChecked();
    view_.DrawWaypoints = chkDrawWaypoints_->isChecked();
    view_.DrawIcons = chkDrawIcons_->isChecked();
    view_.DrawOnlyOpenRoutes = chkDrawOnlyOpenRoutes_->isChecked();
    view_.DistanceUnits = cboUnits_->currentIndex();
    view_.SetUseHighDetail(optHighDetail_->isChecked());
    view_.SetDrawBlockBoundaries(chkDrawBlocks_->isChecked());
    view_.SetDrawBorderHotspots(chkDrawHotspots_->isChecked());
    view_.SetCorridorWidth(sldCorridorWidth_->value() * CorridorStep);
    view_.MapZoomChange = sldZoomChange_->value();
    if (const int format = SelectedPositionFormat())
        data_.SetPositionFormat(format);
    view_.SetZoomRange(view_.ZoomRange());
    emit Applied();
    QDialog::accept();
}

} // namespace app
