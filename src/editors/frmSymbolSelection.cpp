#include "editors/frmSymbolSelection.h"

#include "editors/RowKey.h"
#include "gpsdata/GPSData.h"
#include "mapview/WindowObject.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace editors {

namespace {
const QString SymbolPrefix = QStringLiteral("Icn ");
}

frmSymbolSelection::frmSymbolSelection(gpsdata::GPSData& data, mapview::WindowObject& window, int current,
                                       QWidget* parent)
    : QDialog(parent), icons_(window), lvwSymbols_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("frmSymbolSelection"));
    setWindowTitle(QStringLiteral("Waypoint/Icon Symbol Selector"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Double Click to Select a Symbol"), this);
    caption->setObjectName(QStringLiteral("lblCaption"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    auto* instructions = new QLabel(
        QStringLiteral("Select the symbol you would like to use by double-clicking on an item."), this);
    instructions->setObjectName(QStringLiteral("lblInstructions"));
    instructions->setWordWrap(true);
    lvwSymbols_->setObjectName(QStringLiteral("lvwSymbols"));
    lvwSymbols_->setRootIsDecorated(false);
    lvwSymbols_->setUniformRowHeights(true);
    lvwSymbols_->setIconSize(SymbolIcons::Size());
    lvwSymbols_->setHeaderLabels({QStringLiteral("Symbol"), QStringLiteral("Number")});
    lvwSymbols_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvwSymbols_->header()->setStretchLastSection(false);
    layout->addWidget(caption);
    layout->addWidget(instructions);
    layout->addWidget(lvwSymbols_);
    resize(320, 420);
    connect(lvwSymbols_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* row) { Pick(row); });
    Fill(data, current);
}

std::optional<int> frmSymbolSelection::Choose(gpsdata::GPSData& data, mapview::WindowObject& window,
                                              int current, QWidget* parent) {
    frmSymbolSelection selector(data, window, current, parent);
    selector.exec();
    return selector.PickedSymbol();
}

void frmSymbolSelection::Fill(gpsdata::GPSData& data, int current) {
    const double ratio = devicePixelRatioF();
    const QStringList& names = icons_.Window().SymbolNames();
    for (int symbol = 0; symbol < data.MaxNumGPSIconSymbols(); ++symbol) {
        if (!data.ValidSymbol(symbol))
            continue;
        auto* row = new QTreeWidgetItem(
            lvwSymbols_, {names.value(symbol), QStringLiteral("%1").arg(symbol, 4, 10, QLatin1Char('0'))});
        row->setData(0, Qt::UserRole, RowKey::Make(SymbolPrefix, symbol));
        row->setIcon(0, icons_.Icon(symbol, ratio));
        if (symbol == current) {
            lvwSymbols_->setCurrentItem(row);
            row->setSelected(true);
        }
    }
    lvwSymbols_->resizeColumnToContents(1);
    if (QTreeWidgetItem* row = lvwSymbols_->currentItem())
        lvwSymbols_->scrollToItem(row, QAbstractItemView::PositionAtCenter);
}

void frmSymbolSelection::Pick(QTreeWidgetItem* row) {
    if (!row)
        return;
    picked_ = RowKey::Index(row->data(0, Qt::UserRole).toString(), SymbolPrefix);
    accept();
}

void frmSymbolSelection::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Pick(lvwSymbols_->currentItem());
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace editors
