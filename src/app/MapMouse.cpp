#include "app/MapMouse.h"

#include "app/MapDisplay.h"
#include "app/MapModes.h"
#include "app/MapViewControl.h"
#include "carver/Carver.h"
#include "carver/CarverModes.h"
#include "geo/Coordinates.h"
#include "mapview/WindowObject.h"

#include <QKeyEvent>
#include <QRubberBand>

#include <utility>

namespace app {

MapMouse::MapMouse(MapDisplay& display, mapview::WindowObject& view, MapViewControl& control, Carver& carver,
                   QObject* parent)
    : QObject(parent), display_(display), view_(view), control_(control), carver_(carver),
      band_(new QRubberBand(QRubberBand::Rectangle, &display)) {
    band_->setObjectName(QStringLiteral("bandStretch"));
    connect(&display, &MapDisplay::MouseDown, this, &MapMouse::Down);
    connect(&display, &MapDisplay::MouseMove, this, &MapMouse::Move);
    connect(&display, &MapDisplay::MouseUp, this, &MapMouse::Up);
    connect(&display, &MapDisplay::DoubleClick, this,
            [this](Qt::MouseButton button) { doubleClick_ = button == Qt::LeftButton; });
    display.installEventFilter(this);
}

void MapMouse::SendBorderPoint(int mode, QPointF pixel) {
    carver_.KSetMode(mode);
    carver_.KSendPoint(geo::RoundToInt32(pixel.x()), geo::RoundToInt32(pixel.y()));
}

void MapMouse::Down(Qt::MouseButton button, QPointF pixel) {
    if (button == Qt::MiddleButton) {
        dragging_ = true;
        dragFrom_ = pixel;
        return;
    }
    const QPointF at = control_.ToInternal(pixel);
    view_.DownX = at.x();
    view_.DownY = at.y();
    pressPixel_ = pixel;
    pressed_ = button == Qt::LeftButton;
    const int mode = view_.Mode();
    if ((mode == ModeBorder || mode == ModePolyline) && button == Qt::LeftButton) {
        drawingAtPress_ = carver_.KGetDrawingPolygon() >= 0;
        SendBorderPoint(KEL_MODE_LAST_POINT, pixel);
        display_.update();
    } else if (mode == ModePolyline && button == Qt::RightButton && carver_.KGetDrawingPolygon() >= 0) {
        // The right button ends the polyline at the pointer.
        SendBorderPoint(KEL_MODE_LAST_POINT, pixel);
        emit BordersChanged();
        display_.update();
        view_.RevertMode();
    }
}

void MapMouse::Move(Qt::MouseButtons buttons, QPointF pixel) {
    if (dragging_ && (buttons & Qt::MiddleButton)) {
        control_.Drag(dragFrom_, pixel);
        dragFrom_ = pixel;
        return;
    }
    const int mode = view_.Mode();
    if (mode == ModeBorder || mode == ModePolyline) {
        SendBorderPoint(KEL_MODE_START_BORDER, pixel);
        display_.update();
        return;
    }
    if (!pressed_ || !(buttons & Qt::LeftButton))
        return;
    const QPointF at = control_.ToInternal(pixel);
    if (mode == ModeCentre && !view_.ClickDistance(at.x(), at.y())) {
        // Dragging away from the press starts a stretch rectangle.
        view_.StretchX1 = view_.DownX;
        view_.StretchY1 = view_.DownY;
        view_.SetMode(ModeStretch);
    }
    if (view_.Mode() == ModeStretch) {
        band_->setGeometry(QRectF(pressPixel_, pixel).normalized().toRect());
        band_->show();
    }
}

void MapMouse::StretchTo(QPointF pixel) {
    const QPointF at = control_.ToInternal(pixel);
    view_.StretchX2 = at.x();
    view_.StretchY2 = at.y();
    band_->hide();
    view_.StretchZoom();
    view_.RevertMode();
    control_.ViewChanged();
}

void MapMouse::Up(Qt::MouseButton button, QPointF pixel) {
    if (button == Qt::MiddleButton) {
        dragging_ = false;
        return;
    }
    const bool wasPressed = pressed_;
    pressed_ = false;
    const QPointF at = control_.ToInternal(pixel);
    const int mode = view_.Mode();
    if (mode == ModeStretch) {
        if (wasPressed)
            StretchTo(pixel);
        return;
    }
    if (mode == ModeCentre) {
        if (button == Qt::RightButton)
            emit PopupRequested(at, pixel);
        else if (button == Qt::LeftButton && view_.ClickDistance(at.x(), at.y())) {
            view_.Center(geo::RoundToInt32(at.x()), geo::RoundToInt32(at.y()));
            control_.ViewChanged();
        }
        return;
    }
    if (mode == ModeBorder || mode == ModePolyline) {
        if (button != Qt::LeftButton)
            return;
        if (doubleClick_) {
            doubleClick_ = false;
            EndBorder(pixel);
        } else {
            SendBorderPoint(drawingAtPress_ ? KEL_MODE_SAVE_POLYLINE_POINT : KEL_MODE_START_POLYLINE, pixel);
        }
        emit BordersChanged();
        display_.update();
        return;
    }
    emit DataGesture(mode, button, at);
}

// A double click, or Enter, ends the border being drawn: in border mode the
// user draws areas, so it closes into a polygon (a border of fewer than three
// points cannot close and stays a line); in polyline mode it ends the line.
// Enter sends (0, 0): the line ends where it stands.
void MapMouse::EndBorder(QPointF pixel) {
    if (view_.Mode() == ModeBorder)
        carver_.KCloseBorder();
    else
        SendBorderPoint(KEL_MODE_LAST_POINT, pixel);
}

bool MapMouse::PanKey(int key) {
    static constexpr std::pair<int, int> Directions[] = {
        {Qt::Key_Up, 0}, {Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Left, 3}};
    for (const auto& [code, direction] : Directions)
        if (key == code) {
            control_.Pan(direction);
            return true;
        }
    return false;
}

bool MapMouse::Key(QKeyEvent* event) {
    const QString text = event->text();
    if (text == QLatin1String("+") || text == QLatin1String("-")) {
        control_.ZoomStep(text == QLatin1String("+") ? 1 : 0);
        return true;
    }
    if (PanKey(event->key()))
        return true;
    if (carver_.KGetDrawingPolygon() < 0)
        return false;
    const int mode = view_.Mode();
    if (event->key() == Qt::Key_Escape && mode == ModeBorder)
        carver_.KUndo();
    else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
             (mode == ModeBorder || mode == ModePolyline))
        EndBorder(QPointF(0, 0));
    else
        return false;
    emit BordersChanged();
    display_.update();
    return true;
}

bool MapMouse::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && Key(static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace app
