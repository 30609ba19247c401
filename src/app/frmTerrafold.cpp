#include "app/frmTerrafold.h"

#include "app/MapDisplay.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace app {

frmTerrafold::frmTerrafold(QWidget* parent)
    : QWidget(parent), splitter_(new QSplitter(Qt::Horizontal, this)), tvwLayers_(new QTreeWidget),
      panes_(new QWidget), picDisplay_(new MapDisplay), cboZoomRange_(new QComboBox),
      lblZoomUnits_(new QLabel) {
    setObjectName(QStringLiteral("frmTerrafold"));
    tvwLayers_->setObjectName(QStringLiteral("tvwLayers"));
    tvwLayers_->setHeaderLabel(QStringLiteral("Map Layers"));
    tvwLayers_->setMinimumWidth(140);
    auto* paneLayout = new QHBoxLayout(panes_);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    panes_->setMaximumHeight(160);

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(BuildMapArea(), 1);
    rightLayout->addWidget(panes_);

    splitter_->setObjectName(QStringLiteral("splMap"));
    splitter_->addWidget(tvwLayers_);
    splitter_->addWidget(right);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({180, 700});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(splitter_);

    ShowLayers(false);
}

QToolButton* frmTerrafold::MakeButton(const QString& name, int index, const QString& tip,
                                      Qt::ArrowType arrow) {
    auto* b = new QToolButton;
    b->setObjectName(name);
    b->setProperty("Index", index);
    b->setToolTip(tip);
    b->setArrowType(arrow);
    b->setAutoRaise(true);
    return b;
}

QWidget* frmTerrafold::BuildMapArea() {
    auto* area = new QWidget;
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("Zoom &range:"));
    label->setBuddy(cboZoomRange_);
    cboZoomRange_->setObjectName(QStringLiteral("cboZoomRange"));
    cboZoomRange_->setEditable(true);
    cboZoomRange_->setInsertPolicy(QComboBox::NoInsert);
    cboZoomRange_->setMinimumContentsLength(9);
    // Completing from the list would turn a typed "60" into "600".
    cboZoomRange_->setCompleter(nullptr);
    lblZoomUnits_->setObjectName(QStringLiteral("lblZoomUnits"));
    btnZoom_ << MakeButton(QStringLiteral("btnZoom"), 0, QStringLiteral("Zoom Out"), Qt::NoArrow)
             << MakeButton(QStringLiteral("btnZoom"), 1, QStringLiteral("Zoom In"), Qt::NoArrow);
    btnZoom_[0]->setText(QStringLiteral("-"));
    btnZoom_[1]->setText(QStringLiteral("+"));
    bar->addWidget(label);
    bar->addWidget(cboZoomRange_);
    bar->addWidget(lblZoomUnits_);
    bar->addWidget(btnZoom_[0]);
    bar->addWidget(btnZoom_[1]);
    bar->addStretch(1);

    // Indexes follow the pan directions: 0 north, 1 east, 2 south, 3 west.
    const struct {
        const char* tag;
        Qt::ArrowType arrow;
    } scroll[] = {
        {"North", Qt::UpArrow}, {"East", Qt::RightArrow}, {"South", Qt::DownArrow}, {"West", Qt::LeftArrow}};
    for (int i = 0; i < 4; ++i) {
        QToolButton* b =
            MakeButton(QStringLiteral("btnScroll"), i, QLatin1String(scroll[i].tag), scroll[i].arrow);
        b->setProperty("Tag", QLatin1String(scroll[i].tag));
        b->setSizePolicy(i % 2 ? QSizePolicy::Fixed : QSizePolicy::Expanding,
                         i % 2 ? QSizePolicy::Expanding : QSizePolicy::Fixed);
        btnScroll_ << b;
    }
    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    grid->addWidget(btnScroll_[0], 0, 1);
    grid->addWidget(btnScroll_[3], 1, 0);
    grid->addWidget(picDisplay_, 1, 1);
    grid->addWidget(btnScroll_[1], 1, 2);
    grid->addWidget(btnScroll_[2], 2, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addLayout(grid, 1);
    return area;
}

void frmTerrafold::ShowLayers(bool shown) {
    tvwLayers_->setVisible(shown);
}

void frmTerrafold::SetUnitPanes(QWidget* panes) {
    panes_->layout()->addWidget(panes);
}

} // namespace app
