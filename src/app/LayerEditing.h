#pragma once

#include <QObject>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace mapview {
class WindowObject;
struct CategoryAttributes;
} // namespace mapview

namespace app {

// Opens the layer editor for a layer of the map window's layer tree (double
// click, or the map categories command for the current layer) and applies
// what the user chose: the status through the tree's check box, so that the
// map definition hears of it as from a click on the box, and the colour
// through the viewport's category table, whose change redraws the map.
class LayerEditing : public QObject {
    Q_OBJECT
public:
    LayerEditing(QTreeWidget& tree, mapview::WindowObject& view, QWidget* dialogParent);

    // The current layer, or the first when none is current.
    void EditCurrent();
    void Edit(QTreeWidgetItem* item);

    // A minor layer's map category, from its key "major:category"; -1 for a
    // major layer.
    static int CategoryOf(const QTreeWidgetItem& item);
    // The colour a category shows: its fill where it fills areas, its line
    // otherwise.
    static int ShownColor(const mapview::CategoryAttributes& attributes);

private:
    void Apply(QTreeWidgetItem* item, bool on, int color);

    QTreeWidget& tree_;
    mapview::WindowObject& view_;
    QWidget* dialogParent_;
};

} // namespace app
