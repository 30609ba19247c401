#pragma once

#include "carver/Border.h"
#include "carver/DisplayRange.h"

#include <QList>
#include <QPointF>

#include <optional>

namespace carver {

// The border the user is drawing with the mouse: turns the points sent in
// each mode into vertices of the border list (the gestures behind them are
// in docs/borders.md). Points arrive in display pixels.
class BorderSketch {
public:
    BorderSketch(QList<Border>& borders, const DisplayRange& range);

    void SetMode(int mode) { mode_ = mode; }
    int Mode() const { return mode_; }
    void SetHitRadius(double pixels) { hitRadius_ = pixels; }
    double HitRadius() const { return hitRadius_; }

    void SendPoint(QPointF pixel);
    void DeletePoint(QPointF pixel);
    void Undo();
    // Closes the border under construction, or the open border the last
    // point ended (the press of a double click ends it before its release),
    // when it has three points or more; otherwise only ends the drawing.
    // True when a border was closed.
    bool Close();
    // Ends any drawing without adding a point, as if the borders had been
    // replaced from outside.
    void Reset();

    // Index of the border under construction, -1 when none.
    int Drawing() const { return drawing_; }
    std::optional<QPointF> Cursor() const { return cursor_; }

private:
    enum class Added { Vertex, Closed, Nothing };

    void Track(QPointF pixel);
    void Finish(QPointF pixel);
    void Start(QPointF pixel);
    void Save(QPointF pixel);
    Added AddVertex(QPointF pixel);
    void EndDrawing();
    bool Near(const QPoint& vertex, QPointF pixel) const;

    QList<Border>& borders_;
    const DisplayRange& range_;
    int mode_ = 0;
    double hitRadius_ = 5;
    int drawing_ = -1;
    // The border that the last point sent, moves aside, ended: the press of a
    // click or drag that the release may continue; -1 otherwise.
    int justEnded_ = -1;
    std::optional<QPointF> cursor_;
};

} // namespace carver
