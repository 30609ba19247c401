#pragma once

#include "app/MapHitTest.h"

#include <QObject>
#include <QPointF>
#include <QTimer>

class QMenu;
class QPainter;

namespace editors {
struct PopupCommands;
}
namespace gpsdata {
class GPSData;
}
namespace mapview {
class UndoStack;
class WindowObject;
} // namespace mapview
namespace ui {
class Prompt;
}

namespace app {

class MapDisplay;

// What the mouse does to the GPS data on the map: dropping waypoints, route
// waypoints and icons, picking a waypoint or an icon up and putting it down
// elsewhere, the popup menus of centre mode and the tool tips. Every edit
// records its undo step first.
//
// Clicking an existing waypoint while dropping waypoints picks it up (and an
// icon while dropping icons); the object then follows the pointer and the
// next click puts it down. While dropping route waypoints a click on an
// existing waypoint adds that waypoint, anywhere else a new one; either goes
// into the edited leg of the route being edited on the map: the end of the
// route that the drop-route-waypoints command started, or the leg that the
// route popup's "Insert Waypoints Into" chose.
// The leg being added to follows the pointer as a moving line. Dropped icons
// take the data set's default symbol.
class MapEditing : public QObject {
    Q_OBJECT
public:
    static constexpr int ToolTipDelayMs = 600;

    // `popups` are the route and trail entries that the popups share with
    // the list windows.
    MapEditing(MapDisplay& display, mapview::WindowObject& view, gpsdata::GPSData& data,
               mapview::UndoStack& undo, ui::Prompt& prompt, const editors::PopupCommands& popups,
               QObject* parent = nullptr);

    // A release of the mouse button in modes 3 to 7.
    void Release(int mode, Qt::MouseButton button, QPointF at);
    // The pointer moved to an internal position.
    void Follow(QPointF at);
    // The right button released in centre mode.
    void ShowPopup(QPointF at, QPointF pixel);
    // The tool tip for the object under the pointer, "" for none.
    void ShowToolTip();
    // Mode 4: clicks add waypoints to the route being edited on the map.
    void SetupDropRouteWaypoints();
    // Mode 4 on an existing route, whose clicks go in from entry `leg` on.
    void InsertWaypointsInto(qint16 route, int leg);
    // The drop-route-waypoints command: a new route, recorded as one undo
    // step, becomes the route being edited, also when one already was. A
    // full route list only says so.
    void StartRoute();
    // The edited route's leg from its waypoints to the pointer, over the map.
    void DrawMovingLine(QPainter& painter) const;

    QMenu* Popup() const { return popup_; }

signals:
    // The popup's "Edit Waypoint …" or "Edit Icon …" was chosen.
    void EditRequested(bool waypoint, qint16 index);
    // The route popup's "Edit Route …" was chosen.
    void RouteEditRequested(qint16 route);

private:
    void DropWaypoint(QPointF at);
    void DropIcon(QPointF at);
    void AddRouteWaypoint(QPointF at);
    void PickUp(const MapHitTest::Hit& hit, int mode);
    void PutDown(QPointF at);
    void Place(MapHitTest::Kind kind, qint16 index, QPointF at);
    qint16 EditedRoute();
    // A new route, now the one edited on the map; -1 when the list is full.
    qint16 EditNewRoute();
    QMenu* NewPopup(const QString& name);
    void ShowRoutePopup(const MapHitTest::Leg& leg, QPointF pixel);
    void ShowTrailPopup(const MapHitTest::TrailHit& trail, QPointF pixel);

    MapDisplay& display_;
    mapview::WindowObject& view_;
    gpsdata::GPSData& data_;
    mapview::UndoStack& undo_;
    ui::Prompt& prompt_;
    QTimer tmrTooltip_;
    QMenu* popup_ = nullptr;
    const editors::PopupCommands& popups_;
    QPointF pointer_;
    MapHitTest::Hit moving_;
};

} // namespace app
