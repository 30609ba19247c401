#pragma once

#include "gpsdata/Prompt.h"

#include <QObject>
#include <QPointF>

#include <functional>

namespace gpsdata {
class GPSData;
}
namespace mapview {
class WindowObject;
}

namespace app {

class frmTerrafold;

// Ties the map window's controls to the viewport: the zoom box and buttons,
// the scroll buttons, the display's size, its pointer and the cursor readout.
class MapViewControl : public QObject {
    Q_OBJECT
public:
    using FormatSource = std::function<int()>;

    MapViewControl(frmTerrafold& window, mapview::WindowObject& view, ui::StatusSink& status,
                   FormatSource positionFormat, QObject* parent = nullptr);

    // The internal position under a point of the display.
    QPointF ToInternal(QPointF pixel) const;

    // After any change of the view: the zoom box, the pointer and a repaint.
    void ViewChanged();
    void ZoomStep(int index);
    // Zooms in (positive) or out by whole steps, keeping the point under the
    // pixel where it is, as the mouse wheel does in every map program.
    void ZoomAround(QPointF pixel, int steps);
    // Moves the map with the pointer from one pixel to another.
    void Drag(QPointF from, QPointF to);
    // One pan step: 0 north, 1 east, 2 south, 3 west.
    void Pan(int direction);
    // Shows all of the GPS data; with `onlyWhenHidden`, only when some of it
    // lies outside the view (after a file was opened).
    void ZoomToData(const gpsdata::GPSData& data, bool onlyWhenHidden);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void Changed();

private:
    void FillZoomBox(bool keepText);
    void ChooseRange(const QString& text, bool keepText);
    void KeepUnder(QPointF at, QPointF pixel);
    void Resized();
    void SetCursorPosition(QPointF pixel);

    frmTerrafold& window_;
    mapview::WindowObject& view_;
    ui::StatusSink& status_;
    FormatSource positionFormat_;
};

} // namespace app
