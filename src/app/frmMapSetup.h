#pragma once

#include <QDialog>

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
public:
    frmMapSetup(mapview::WindowObject& view, gpsdata::GPSData& data, QWidget* parent = nullptr);

    void accept() override;

signals:
    void Applied();

private:
    QCheckBox* Check(const char* name, const QString& caption, bool checked);
    QWidget* BuildDrawing();
    QWidget* BuildMap();
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
    QComboBox* cboPositionFormat_;
    QRadioButton* optHighDetail_;
    QRadioButton* optLowDetail_;
    QSlider* sldCorridorWidth_;
    QSlider* sldZoomChange_;
    QLabel* lblCorridorWidth_;
    QLabel* lblZoomChange_;
};

} // namespace app
