#include "app/LayerTreePane.h"

#include "mapbuild/MapData.h"

#include <QTreeWidget>

namespace app {

namespace {
constexpr int KeyRole = Qt::UserRole;
}

LayerTreePane::LayerTreePane(QTreeWidget& tree, mapbuild::MapData& map, QObject* parent)
    : QObject(parent), tree_(tree), map_(map) {
    connect(&tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) { Switched(item); });
}

void LayerTreePane::Clear() {
    filling_ = true;
    tree_.clear();
    filling_ = false;
}

QTreeWidgetItem* LayerTreePane::Item(const QString& key, const QString& name, bool on) {
    auto* item = new QTreeWidgetItem(QStringList{name});
    item->setData(0, KeyRole, key);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    return item;
}

void LayerTreePane::AddMajor(const QString& key, const QString& name, bool on) {
    filling_ = true;
    tree_.addTopLevelItem(Item(key, name, on));
    filling_ = false;
}

void LayerTreePane::AddMinor(const QString& majorKey, const QString& key, const QString& name, bool on) {
    filling_ = true;
    for (int i = 0; i < tree_.topLevelItemCount(); ++i) {
        QTreeWidgetItem* major = tree_.topLevelItem(i);
        if (major->data(0, KeyRole).toString() == majorKey) {
            major->addChild(Item(key, name, on));
            break;
        }
    }
    filling_ = false;
}

void LayerTreePane::Refresh() {
    tree_.update();
}

void LayerTreePane::Switched(QTreeWidgetItem* item) {
    if (filling_)
        return;
    const QString key = item->data(0, KeyRole).toString();
    if (item->checkState(0) == Qt::Checked)
        map_.LayerOn(key);
    else
        map_.LayerOff(key);
    emit LayerSwitched();
}

} // namespace app
