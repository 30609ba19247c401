#pragma once

#include "mapbuild/LayerTree.h"

#include <QObject>

class QTreeWidget;
class QTreeWidgetItem;

namespace mapbuild {
class MapData;
}

namespace app {

// The map window's layer pane: a check box per major and minor category;
// switching one goes to the map definition, and the map is drawn again.
class LayerTreePane : public QObject, public mapbuild::LayerTree {
    Q_OBJECT
public:
    LayerTreePane(QTreeWidget& tree, mapbuild::MapData& map, QObject* parent = nullptr);

    void Clear() override;
    void AddMajor(const QString& key, const QString& name, bool on) override;
    void AddMinor(const QString& majorKey, const QString& key, const QString& name, bool on) override;
    void Refresh() override;

signals:
    void LayerSwitched();

private:
    QTreeWidgetItem* Item(const QString& key, const QString& name, bool on);
    void Switched(QTreeWidgetItem* item);

    QTreeWidget& tree_;
    mapbuild::MapData& map_;
    bool filling_ = false;
};

} // namespace app
