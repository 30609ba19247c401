#pragma once

#include <QObject>
#include <QPointF>

class Carver;
class QKeyEvent;
class QRubberBand;

namespace mapview {
class WindowObject;
}

namespace app {

class MapDisplay;
class MapViewControl;

// What the mouse and the keys do on the map display in the view and border
// modes: centring, stretch zoom, drawing borders and polylines (the gestures
// of docs/borders.md), "+", "-", Escape and Enter; in every mode the middle
// button drags the map and the arrow keys pan it. The editing modes hand
// their gestures on through DataGesture.
class MapMouse : public QObject {
    Q_OBJECT
public:
    MapMouse(MapDisplay& display, mapview::WindowObject& view, MapViewControl& control, Carver& carver,
             QObject* parent = nullptr);

    void Down(Qt::MouseButton button, QPointF pixel);
    void Move(Qt::MouseButtons buttons, QPointF pixel);
    void Up(Qt::MouseButton button, QPointF pixel);
    // True when the key was taken.
    bool Key(QKeyEvent* event);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A border was added to, ended or lost a point.
    void BordersChanged();
    // A release in the modes that edit the GPS data (3 to 7).
    void DataGesture(int mode, Qt::MouseButton button, QPointF position);
    // The right button released over the map in centre mode.
    void PopupRequested(QPointF position, QPointF pixel);

private:
    void SendBorderPoint(int mode, QPointF pixel);
    void EndBorder(QPointF pixel);
    bool PanKey(int key);
    void StretchTo(QPointF pixel);

    MapDisplay& display_;
    mapview::WindowObject& view_;
    MapViewControl& control_;
    Carver& carver_;
    QRubberBand* band_;
    QPointF pressPixel_;
    bool pressed_ = false;
    bool drawingAtPress_ = false; // a border was under construction at the last press
    bool doubleClick_ = false;    // the coming release ends a double click
    bool dragging_ = false;       // the middle button is dragging the map
    QPointF dragFrom_;
};

} // namespace app
