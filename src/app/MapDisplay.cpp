#include "app/MapDisplay.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace app {

MapDisplay::MapDisplay(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picDisplay"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(120, 90);
}

void MapDisplay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (painter_)
        painter_(p);
    emit Painted();
}

void MapDisplay::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    emit MouseDown(event->button(), event->position());
}

void MapDisplay::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event->buttons(), event->position());
}

void MapDisplay::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(event->button(), event->position());
}

void MapDisplay::mouseDoubleClickEvent(QMouseEvent* event) {
    emit DoubleClick(event->button());
}

void MapDisplay::wheelEvent(QWheelEvent* event) {
    // Touchpads send small steps: they add up to notches of 120.
    wheelAngle_ += event->angleDelta().y();
    const int notches = wheelAngle_ / QWheelEvent::DefaultDeltasPerStep;
    wheelAngle_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0)
        emit Wheel(notches, event->position());
    event->accept();
}

void MapDisplay::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

void MapDisplay::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit PointerLeft();
}

} // namespace app
