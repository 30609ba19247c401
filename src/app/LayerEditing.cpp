#include "app/LayerEditing.h"

#include "app/frmEditLayer.h"
#include "mapview/CategoryAttributes.h"
#include "mapview/WindowObject.h"

#include <QApplication>
#include <QPointer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace app {

namespace {

constexpr int KeyRole = Qt::UserRole;

// Area styles 1 to 7 fill (hatches or a tint); 0 draws the outline only.
bool Fills(const mapview::CategoryAttributes& a) {
    return a.AreaStyle >= 1 && a.AreaStyle <= 7;
}

} // namespace

LayerEditing::LayerEditing(QTreeWidget& tree, mapview::WindowObject& view, QWidget* dialogParent)
    : QObject(dialogParent), tree_(tree), view_(view), dialogParent_(dialogParent) {
    connect(&tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { Edit(item); });
}

int LayerEditing::CategoryOf(const QTreeWidgetItem& item) {
    const QString key = item.data(0, KeyRole).toString();
    if (!key.contains(QLatin1Char(':')))
        return -1;
    bool ok = false;
    const int category = key.section(QLatin1Char(':'), 1).toInt(&ok);
    return ok ? category : -1;
}

int LayerEditing::ShownColor(const mapview::CategoryAttributes& attributes) {
    return Fills(attributes) ? attributes.AreaColor : attributes.LineColor;
}

void LayerEditing::EditCurrent() {
    QTreeWidgetItem* item = tree_.currentItem();
    if (!item && tree_.topLevelItemCount() > 0)
        item = tree_.topLevelItem(0);
    if (!item) {
        QApplication::beep();
        return;
    }
    tree_.setCurrentItem(item);
    Edit(item);
}

void LayerEditing::Edit(QTreeWidgetItem* item) {
    if (!item)
        return;
    const int category = CategoryOf(*item);
    auto* dialog = new frmEditLayer(dialogParent_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->ShowLayer(item->text(0), item->checkState(0) == Qt::Checked);
    dialog->ShowColor(category >= 0 ? ShownColor(view_.CategoryToColors(category)) : -1);
    // The tree may be refilled while the dialog is open; the item then goes.
    const QPointer<QTreeWidget> tree(&tree_);
    const QString key = item->data(0, KeyRole).toString();
    connect(dialog, &QDialog::accepted, this, [this, dialog, tree, key] {
        if (!tree)
            return;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->data(0, KeyRole).toString() == key) {
                Apply(*it, dialog->LayerOn(), dialog->Color());
                return;
            }
    });
    dialog->open();
}

void LayerEditing::Apply(QTreeWidgetItem* item, bool on, int color) {
    const int category = CategoryOf(*item);
    if (category >= 0 && color >= 0) {
        if (Fills(view_.CategoryToColors(category)))
            view_.SetAreaColor(category, color);
        else
            view_.SetLineColor(category, color);
    }
    const Qt::CheckState state = on ? Qt::Checked : Qt::Unchecked;
    if (item->checkState(0) != state)
        item->setCheckState(0, state);
}

} // namespace app
