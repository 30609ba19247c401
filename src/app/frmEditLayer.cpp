#include "app/frmEditLayer.h"

#include "mapview/StandardPalette.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

const QStringList frmEditLayer::ColorNames = {
    QStringLiteral("Black"),  QStringLiteral("Navy"),    QStringLiteral("Green"),  QStringLiteral("Teal"),
    QStringLiteral("Maroon"), QStringLiteral("Purple"),  QStringLiteral("Olive"),  QStringLiteral("Silver"),
    QStringLiteral("Gray"),   QStringLiteral("Blue"),    QStringLiteral("Lime"),   QStringLiteral("Aqua"),
    QStringLiteral("Red"),    QStringLiteral("Fuchsia"), QStringLiteral("Yellow"), QStringLiteral("White")};

namespace {

QIcon Swatch(int index) {
    QPixmap pixmap(16, 16);
    pixmap.fill(mapview::StandardPalette(index));
    QPainter p(&pixmap);
    p.setPen(Qt::darkGray);
    p.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

} // namespace

frmEditLayer::frmEditLayer(QWidget* parent)
    : QDialog(parent), lblLayer_(new QLabel), cmdStatus_(new QPushButton), lstColor_(new QListWidget) {
    setObjectName(QStringLiteral("frmEditLayer"));
    setWindowTitle(QStringLiteral("Map Layer"));
    lblLayer_->setObjectName(QStringLiteral("lblLayer"));
    cmdStatus_->setObjectName(QStringLiteral("cmdStatus"));
    cmdStatus_->setCheckable(true);
    lstColor_->setObjectName(QStringLiteral("lstColor"));
    for (int i = 0; i < ColorNames.size(); ++i)
        lstColor_->addItem(new QListWidgetItem(Swatch(i), ColorNames.at(i)));
    connect(cmdStatus_, &QPushButton::clicked, this, [this] {
        on_ = !on_;
        ShowStatus();
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Layer:"), lblLayer_);
    form->addRow(QStringLiteral("Status:"), cmdStatus_);
    form->addRow(QStringLiteral("Colour:"), lstColor_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    ShowStatus();
}

void frmEditLayer::ShowLayer(const QString& name, bool on) {
    lblLayer_->setText(name);
    on_ = on;
    ShowStatus();
}

void frmEditLayer::ShowColor(int color) {
    const bool has = color >= 0 && color < ColorNames.size();
    lstColor_->setEnabled(has);
    lstColor_->setCurrentRow(has ? color : -1);
    if (has)
        lstColor_->scrollToItem(lstColor_->item(color));
}

int frmEditLayer::Color() const {
    return lstColor_->isEnabled() ? lstColor_->currentRow() : -1;
}

void frmEditLayer::ShowStatus() {
    cmdStatus_->setText(on_ ? QStringLiteral("On") : QStringLiteral("Off"));
    cmdStatus_->setChecked(on_);
}

} // namespace app
