#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace gpsdata {
class GPSData;
}
namespace mapview {
class WindowObject;
}

namespace app {

// The map options: what the map draws, the distance units, the master map
// detail, the border engine's helpers, the corridor width, the zoom step and
// the position format. OK stores them all and the map is drawn again.
class frmMapSetup : public QDialog {
    Q_OBJECT
    Q_PROPERTY(int SelectedPositionFormat READ SelectedPositionFormat WRITE SetSelectedPositionFormat)
public:
    frmMapSetup(mapview::WindowObject& view, gpsdata::GPSData& data, QWidget* parent = nullptr);

    // The position format (1 to 5) of the set option button, 0 when none is
    // set. Writing a value outside 1 to 5 is ignored.
    int SelectedPositionFormat() const;
    void SetSelectedPositionFormat(int format);

    // Stores the options; the data set keeps its position format when no
    // option button is set.
    void accept() override;

signals:
    void Applied();

private:
    QCheckBox* Check(const char* name, const QString& caption, bool checked);
    QWidget* BuildDrawing();
    QWidget* BuildMap();
    QWidget* BuildPositionFormat();
    void ShowSliderValues();

    mapview::WindowObject& view_;
    gpsdata::GPSData& data_;
    QCheckBox* chkShowWaypointNames_;
    QCheckBox* chkDrawWaypoints_;
    QCheckBox* chkDrawRoutes_;
    QCheckBox* chkDrawOnlyOpenRoutes_;
    QCheckBox* chkDrawTrails_;
    QCheckBox* chkDrawIcons_;
    QCheckBox* chkDrawBlocks_;
    QCheckBox* chkDrawHotspots_;
    QComboBox* cboUnits_;
    QButtonGroup* optPositionFormat_;
    QRadioButton* optHighDetail_;
    QRadioButton* optLowDetail_;
    QSlider* sldCorridorWidth_;
    QSlider* sldZoomChange_;
    QLabel* lblCorridorWidth_;
    QLabel* lblZoomChange_;
};

} // namespace app
