#pragma once

#include <QList>
#include <QWidget>

class QComboBox;
class QLabel;
class QSplitter;
class QToolButton;
class QTreeWidget;

namespace app {

class MapDisplay;

// The map window: the map display with its zoom box, zoom and scroll buttons,
// the layer tree pane, and below the map the panes for the unit's memory
// partitions and the cards' files.
class frmTerrafold : public QWidget {
    Q_OBJECT
public:
    explicit frmTerrafold(QWidget* parent = nullptr);

    MapDisplay* Display() const { return picDisplay_; }
    QComboBox* ZoomBox() const { return cboZoomRange_; }
    // The distance unit the zoom box is in.
    QLabel* ZoomUnits() const { return lblZoomUnits_; }
    QTreeWidget* LayerTree() const { return tvwLayers_; }
    QToolButton* ScrollButton(int index) const { return btnScroll_.at(index); }
    QToolButton* ZoomButton(int index) const { return btnZoom_.at(index); }
    QSplitter* Splitter() const { return splitter_; }

    void ShowLayers(bool shown);
    // Places the unit panes below the map; they show and hide themselves.
    void SetUnitPanes(QWidget* panes);

private:
    QWidget* BuildMapArea();
    QToolButton* MakeButton(const QString& name, int index, const QString& tip, Qt::ArrowType arrow);

    QSplitter* splitter_;
    QTreeWidget* tvwLayers_;
    QWidget* panes_;
    MapDisplay* picDisplay_;
    QComboBox* cboZoomRange_;
    QLabel* lblZoomUnits_;
    QList<QToolButton*> btnScroll_;
    QList<QToolButton*> btnZoom_;
};

} // namespace app
