#include "app/MapEditing.h"

#include "app/MapDisplay.h"
#include "app/MapModes.h"
#include "editors/PopupCommands.h"
#include "geo/Coordinates.h"
#include "geo/NumericError.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"
#include "mapview/StandardPalette.h"
#include "mapview/UndoStack.h"
#include "mapview/WindowObject.h"

#include <QMenu>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace app {

MapEditing::MapEditing(MapDisplay& display, mapview::WindowObject& view, gpsdata::GPSData& data,
                       mapview::UndoStack& undo, ui::Prompt& prompt, const editors::PopupCommands& popups,
                       QObject* parent)
    : QObject(parent), display_(display), view_(view), data_(data), undo_(undo), prompt_(prompt),
      tmrTooltip_(this), popups_(popups) {
    tmrTooltip_.setObjectName(QStringLiteral("tmrTooltip"));
    tmrTooltip_.setSingleShot(true);
    tmrTooltip_.setInterval(ToolTipDelayMs);
    connect(&tmrTooltip_, &QTimer::timeout, this, &MapEditing::ShowToolTip);
}

void MapEditing::Release(int mode, Qt::MouseButton button, QPointF at) {
    if (button != Qt::LeftButton)
        return;
    switch (mode) {
    case ModeDropWaypoint:
    case ModeDropIcon: {
        const bool waypoint = mode == ModeDropWaypoint;
        const MapHitTest::Hit hit = MapHitTest::Find(data_, view_, at, waypoint, !waypoint);
        if (hit.kind != MapHitTest::Kind::None)
            PickUp(hit, waypoint ? ModeMoveWaypoint : ModeMoveIcon);
        else if (waypoint)
            DropWaypoint(at);
        else
            DropIcon(at);
        break;
    }
    case ModeDropRouteWaypoint:
        AddRouteWaypoint(at);
        break;
    case ModeMoveWaypoint:
    case ModeMoveIcon:
        PutDown(at);
        break;
    default:
        break;
    }
}

void MapEditing::Place(MapHitTest::Kind kind, qint16 index, QPointF at) {
    qint32 x = 0, y = 0;
    try {
        x = geo::RoundToInt32(at.x());
        y = geo::RoundToInt32(at.y());
    } catch (const geo::NumericError&) {
        return;
    }
    if (kind == MapHitTest::Kind::Waypoint) {
        if (gpsdata::WaypointObject* w = data_.Waypoint(index)) {
            w->SetX(x);
            w->SetY(y);
        }
    } else if (gpsdata::IconObject* icon = data_.Icon(index)) {
        icon->SetX(x);
        icon->SetY(y);
    }
}

void MapEditing::DropWaypoint(QPointF at) {
    undo_.PushUndoOperation(false, QStringLiteral("Drop Waypoint"));
    if (gpsdata::WaypointObject* w = data_.AddNewWaypoint())
        Place(MapHitTest::Kind::Waypoint, w->WptIndex(), at);
}

void MapEditing::DropIcon(QPointF at) {
    undo_.PushUndoOperation(false, QStringLiteral("Drop Icon"));
    if (gpsdata::IconObject* icon = data_.AddNewIcon())
        Place(MapHitTest::Kind::Icon, icon->IcnIndex(), at);
}

qint16 MapEditing::EditedRoute() {
    if (data_.Route(data_.EditingRoute()))
        return data_.EditingRoute();
    // The route went after the command started it (an undo, a delete): the
    // click starts another.
    return EditNewRoute();
}

qint16 MapEditing::EditNewRoute() {
    const gpsdata::RouteObject* route = data_.AddNewRoute();
    if (!route)
        return -1;
    data_.SetEditingRoute(route->RteIndex());
    data_.SetEditingRouteLeg(0);
    return route->RteIndex();
}

void MapEditing::AddRouteWaypoint(QPointF at) {
    undo_.PushUndoOperation(false, QStringLiteral("Add Waypoint To Route"));
    const qint16 routeIndex = EditedRoute();
    if (routeIndex < 0)
        return;
    const MapHitTest::Hit hit = MapHitTest::Find(data_, view_, at, true, false);
    qint16 waypoint = hit.index;
    if (hit.kind == MapHitTest::Kind::None) {
        gpsdata::WaypointObject* w = data_.AddNewWaypoint(false);
        if (!w) {
            prompt_.Message(
                QStringLiteral("Error"),
                QStringLiteral("Unable to create a new waypoint.\r\nDelete a waypoint and try again."),
                ui::Icon::Exclamation);
            return;
        }
        waypoint = w->WptIndex();
        Place(MapHitTest::Kind::Waypoint, waypoint, at);
    }
    gpsdata::RouteObject* route = data_.Route(routeIndex);
    // The waypoint goes between the edited leg's ends, and the leg after it
    // is edited next.
    const int position = std::clamp(data_.EditingRouteLeg(), 0, route->NumWaypoints());
    const QString refusal = route->AddWaypoint(waypoint, position);
    if (!refusal.isEmpty()) {
        prompt_.Message(QStringLiteral("Paste Error"), refusal, ui::Icon::Exclamation);
        return;
    }
    data_.SetEditingRouteLeg(position + 1);
}

void MapEditing::SetupDropRouteWaypoints() {
    view_.SetMode(ModeDropRouteWaypoint);
}

void MapEditing::StartRoute() {
    if (data_.CountRoutes() >= data_.MaxNumGPSRoutes()) {
        data_.AddNewRoute(true);
        return;
    }
    undo_.PushUndoOperation(false, QStringLiteral("Create Route"));
    EditNewRoute();
    SetupDropRouteWaypoints();
}

void MapEditing::DrawMovingLine(QPainter& painter) const {
    const gpsdata::RouteObject* route = data_.Route(data_.EditingRoute());
    if (view_.Mode() != ModeDropRouteWaypoint || !route)
        return;
    const auto pixel = [this](double x, double y) {
        return QPointF(x * view_.PixelsPerUnitX - view_.PixelLeft, y * view_.PixelsPerUnitY - view_.PixelTop);
    };
    // Leg k runs from entry k to entry k + 1, counted from 1.
    const int leg = data_.EditingRouteLeg();
    QPolygonF line;
    if (const gpsdata::WaypointObject* from = route->Waypoint(leg - 1))
        line << pixel(from->X(), from->Y());
    line << pixel(pointer_.x(), pointer_.y());
    if (const gpsdata::WaypointObject* to = route->Waypoint(leg))
        line << pixel(to->X(), to->Y());
    if (line.size() < 2)
        return;
    painter.save();
    painter.setPen(QPen(mapview::StandardPalette(view_.RouteLinesColor), 1, Qt::DashLine));
    painter.drawPolyline(line);
    painter.restore();
}

void MapEditing::PickUp(const MapHitTest::Hit& hit, int mode) {
    undo_.PushUndoOperation(false, hit.kind == MapHitTest::Kind::Waypoint ? QStringLiteral("Move Waypoint")
                                                                          : QStringLiteral("Move Icon"));
    moving_ = hit;
    view_.SetMode(mode);
}

void MapEditing::Follow(QPointF at) {
    pointer_ = at;
    const int mode = view_.Mode();
    if ((mode == ModeMoveWaypoint || mode == ModeMoveIcon) && moving_.kind != MapHitTest::Kind::None) {
        Place(moving_.kind, moving_.index, at);
        return;
    }
    if (mode == ModeDropRouteWaypoint && data_.Route(data_.EditingRoute()))
        display_.update(); // the moving line follows
    if (mode != ModeStretch)
        tmrTooltip_.start();
}

void MapEditing::PutDown(QPointF at) {
    if (moving_.kind != MapHitTest::Kind::None)
        Place(moving_.kind, moving_.index, at);
    moving_ = {};
    view_.RevertMode();
}

void MapEditing::ShowToolTip() {
    const int mode = view_.Mode();
    if (mode == ModeMoveWaypoint || mode == ModeMoveIcon || mode == ModeStretch)
        return;
    const QString text = MapHitTest::Find(data_, view_, pointer_).text;
    view_.MapPicture.ToolTipText = text;
    display_.setToolTip(text);
    if (display_.underMouse() && !text.isEmpty())
        QToolTip::showText(QCursor::pos(), text, &display_);
}

QMenu* MapEditing::NewPopup(const QString& name) {
    delete popup_;
    popup_ = new QMenu(&display_);
    popup_->setObjectName(name);
    return popup_;
}

void MapEditing::ShowRoutePopup(const MapHitTest::Leg& leg, QPointF pixel) {
    NewPopup(QStringLiteral("mnuPopupRoute"));
    QAction* edit = popup_->addAction(QStringLiteral("Edit Route ") + leg.name);
    edit->setObjectName(QStringLiteral("mnuPopupEdit"));
    connect(edit, &QAction::triggered, this, [this, route = leg.route] { emit RouteEditRequested(route); });
    QAction* remove = popup_->addAction(QStringLiteral("Delete Route ") + leg.name);
    remove->setObjectName(QStringLiteral("mnuPopupDelete"));
    connect(remove, &QAction::triggered, this, [this, route = leg.route] {
        if (!data_.Route(route))
            return;
        undo_.PushUndoOperation(false, QStringLiteral("Delete"));
        data_.DeleteRoute(route);
    });
    if (const gpsdata::RouteObject* route = data_.Route(leg.route))
        popups_.AddRouteEntries(*popup_, *route, leg.leg);
    popup_->popup(display_.mapToGlobal(pixel.toPoint()));
}

void MapEditing::InsertWaypointsInto(qint16 route, int leg) {
    if (!data_.Route(route))
        return;
    data_.SetEditingRoute(route);
    data_.SetEditingRouteLeg(leg);
    SetupDropRouteWaypoints();
    display_.update();
}

void MapEditing::ShowTrailPopup(const MapHitTest::TrailHit& trail, QPointF pixel) {
    NewPopup(QStringLiteral("mnuPopupTrail"));
    if (const gpsdata::TrailObject* object = data_.Trail(trail.trail))
        popups_.AddTrailEntries(*popup_, *object);
    popup_->popup(display_.mapToGlobal(pixel.toPoint()));
}

void MapEditing::ShowPopup(QPointF at, QPointF pixel) {
    // Waypoints and icons lie on top of the route lines and come first.
    const MapHitTest::Hit hit = MapHitTest::Find(data_, view_, at);
    if (hit.kind == MapHitTest::Kind::None) {
        if (const MapHitTest::Leg leg = MapHitTest::FindLeg(data_, view_, at); leg.route >= 0)
            ShowRoutePopup(leg, pixel);
        else if (const MapHitTest::TrailHit trail = MapHitTest::FindTrail(data_, view_, at); trail.trail >= 0)
            ShowTrailPopup(trail, pixel);
        return;
    }
    const bool waypoint = hit.kind == MapHitTest::Kind::Waypoint;
    const QString kind = waypoint ? QStringLiteral("Waypoint ") : QStringLiteral("Icon ");
    NewPopup(waypoint ? QStringLiteral("mnuPopupWaypoint") : QStringLiteral("mnuPopupIcon"));
    QAction* edit = popup_->addAction(QStringLiteral("Edit ") + kind + hit.text);
    edit->setObjectName(QStringLiteral("mnuPopupEdit"));
    connect(edit, &QAction::triggered, this,
            [this, hit, waypoint] { emit EditRequested(waypoint, hit.index); });
    QAction* remove = popup_->addAction(QStringLiteral("Delete ") + kind + hit.text);
    remove->setObjectName(QStringLiteral("mnuPopupDelete"));
    connect(remove, &QAction::triggered, this, [this, hit, waypoint] {
        undo_.PushUndoOperation(false, QStringLiteral("Delete"));
        if (waypoint)
            data_.DeleteWaypoint(hit.index);
        else
            data_.DeleteIcon(hit.index);
    });
    popup_->popup(display_.mapToGlobal(pixel.toPoint()));
}

} // namespace app
