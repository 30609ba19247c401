#include "carver/BorderSketch.h"

#include "carver/CarverModes.h"

#include <QLineF>

#include <algorithm>

namespace carver {

BorderSketch::BorderSketch(QList<Border>& borders, const DisplayRange& range)
    : borders_(borders), range_(range) {}

void BorderSketch::SendPoint(QPointF pixel) {
    // Moves while the button is down keep what the press ended.
    if (mode_ == KEL_MODE_START_BORDER) {
        Track(pixel);
        return;
    }
    const int ended = justEnded_;
    justEnded_ = -1;
    switch (mode_) {
    case KEL_MODE_LAST_POINT:
        Finish(pixel);
        break;
    case KEL_MODE_START_POLYLINE:
        Start(pixel);
        break;
    case KEL_MODE_SAVE_POLYLINE_POINT:
        // The press of this click may have ended an open border: the release
        // takes it up again, so a click in the middle of a border only adds
        // its point.
        if (drawing_ < 0 && ended >= 0 && ended < borders_.size()) {
            if (borders_[ended].closed)
                break;
            drawing_ = ended;
        }
        Save(pixel);
        break;
    default:
        break;
    }
}

void BorderSketch::Track(QPointF pixel) {
    cursor_ = pixel;
}

void BorderSketch::Finish(QPointF pixel) {
    cursor_ = pixel;
    if (drawing_ < 0)
        return;
    // (0, 0) is what the keyboard sends: end the border where it stands.
    if (pixel != QPointF(0, 0))
        AddVertex(pixel);
    const int ended = drawing_;
    EndDrawing();
    if (ended < borders_.size())
        justEnded_ = ended;
}

void BorderSketch::Start(QPointF pixel) {
    cursor_ = pixel;
    if (drawing_ >= 0)
        EndDrawing();
    const auto unit = range_.ToUnit(pixel);
    if (!unit)
        return;
    borders_.append(Border{false, {*unit}});
    drawing_ = int(borders_.size()) - 1;
}

void BorderSketch::Save(QPointF pixel) {
    if (drawing_ < 0) {
        Start(pixel);
        return;
    }
    cursor_ = pixel;
    if (AddVertex(pixel) == Added::Closed)
        EndDrawing();
}

BorderSketch::Added BorderSketch::AddVertex(QPointF pixel) {
    Border& border = borders_[drawing_];
    // The release of a click repeats the point its press added.
    if (!border.vertices.isEmpty() && Near(border.vertices.last(), pixel))
        return Added::Nothing;
    if (border.vertices.size() >= 3 && Near(border.vertices.first(), pixel)) {
        border.closed = true;
        return Added::Closed;
    }
    const auto unit = range_.ToUnit(pixel);
    if (!unit)
        return Added::Nothing;
    border.vertices.append(*unit);
    return Added::Vertex;
}

void BorderSketch::EndDrawing() {
    // A border needs two points to mean anything; a lone click leaves none.
    if (drawing_ >= 0 && drawing_ < borders_.size() && borders_[drawing_].vertices.size() < 2)
        borders_.removeAt(drawing_);
    drawing_ = -1;
}

void BorderSketch::DeletePoint(QPointF pixel) {
    justEnded_ = -1;
    if (drawing_ < 0)
        return;
    auto& vertices = borders_[drawing_].vertices;
    const auto nearest =
        std::min_element(vertices.begin(), vertices.end(), [&](const QPoint& a, const QPoint& b) {
            return QLineF(range_.ToPixel(a), pixel).length() < QLineF(range_.ToPixel(b), pixel).length();
        });
    if (nearest == vertices.end() || !Near(*nearest, pixel))
        return;
    vertices.erase(nearest);
    if (vertices.isEmpty()) {
        borders_.removeAt(drawing_);
        drawing_ = -1;
    }
}

void BorderSketch::Undo() {
    justEnded_ = -1;
    if (drawing_ < 0)
        return;
    auto& vertices = borders_[drawing_].vertices;
    vertices.removeLast();
    if (vertices.isEmpty()) {
        borders_.removeAt(drawing_);
        drawing_ = -1;
    }
}

bool BorderSketch::Close() {
    const int target = drawing_ >= 0 ? drawing_ : justEnded_;
    justEnded_ = -1;
    const bool closes = target >= 0 && target < borders_.size() && !borders_[target].closed &&
                        borders_[target].vertices.size() >= 3;
    if (closes)
        borders_[target].closed = true;
    EndDrawing();
    return closes;
}

void BorderSketch::Reset() {
    justEnded_ = -1;
    EndDrawing();
}

bool BorderSketch::Near(const QPoint& vertex, QPointF pixel) const {
    return QLineF(range_.ToPixel(vertex), pixel).length() <= hitRadius_;
}

} // namespace carver
