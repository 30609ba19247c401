#pragma once

#include <QPointF>
#include <QWidget>

#include <functional>

namespace app {

// The map display surface (`picDisplay`). It paints through the callback its
// window gives it and reports the mouse in widget coordinates; everything the
// mouse means is decided by the map window.
class MapDisplay : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&)>;

    explicit MapDisplay(QWidget* parent = nullptr);

    void SetPainter(Painter painter) { painter_ = std::move(painter); }

    QSize sizeHint() const override { return {640, 420}; }

signals:
    void MouseDown(Qt::MouseButton button, QPointF position);
    void MouseMove(Qt::MouseButtons buttons, QPointF position);
    void MouseUp(Qt::MouseButton button, QPointF position);
    // The second press of a double click (it is reported as a press too).
    void DoubleClick(Qt::MouseButton button);
    // Whole wheel notches turned over the display: positive away from the
    // user (zoom in), negative towards.
    void Wheel(int notches, QPointF position);
    void Resized();
    void Painted();
    void PointerLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Painter painter_;
    int wheelAngle_ = 0; // eighths of a degree not yet making a whole notch
};

} // namespace app
