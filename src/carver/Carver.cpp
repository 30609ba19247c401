#include "carver/Carver.h"

#include "carver/BorderPainter.h"

#include "mastermap/CartridgeMaker.h"

#include <algorithm>

using carver::Border;
using carver::LineAttributes;
using carver::ViewAttributes;

namespace {

LineAttributes MakeLine(int size, int style, int width, unsigned colour) {
    return {size, style, std::max(width, 1), 0xff000000u | (colour & 0xffffffu)};
}

} // namespace

Carver::Carver() : sketch_(borders_, range_) {
    UpdateHitRadius();
}

void Carver::KSetMode(int mode) {
    sketch_.SetMode(mode);
}

int Carver::KSendPoint(int x, int y) {
    sketch_.SendPoint(QPointF(x, y));
    return 0;
}

void Carver::KDeletePoint(int x, int y) {
    sketch_.DeletePoint(QPointF(x, y));
}

void Carver::KUndo() {
    sketch_.Undo();
}

int Carver::KCloseBorder() {
    return sketch_.Close() ? 1 : 0;
}

int Carver::KGetDrawingPolygon() const {
    return sketch_.Drawing();
}

void Carver::KDraw(QPainter& painter, int view) const {
    carver::BorderPainter(*this, View(view)).Paint(painter);
}

void Carver::KClearAll() {
    borders_.clear();
    sketch_.Reset();
}

void Carver::KAddPolyline(int closed) {
    sketch_.Reset();
    borders_.append(Border{closed != 0, {}});
}

void Carver::KAddPolyPoint(int x, int y) {
    if (!borders_.isEmpty())
        borders_.last().vertices.append(QPoint(x, y));
}

int Carver::KGetNumPolygons() const {
    return int(borders_.size());
}

const Border* Carver::Find(int border) const {
    return border >= 0 && border < borders_.size() ? &borders_[border] : nullptr;
}

int Carver::KGetNumPoints(int border) const {
    const Border* b = Find(border);
    return b ? b->SegmentCount() : 0;
}

int Carver::KIsPolyLineClosed(int border) const {
    const Border* b = Find(border);
    return b && b->closed ? 1 : 0;
}

int Carver::KGetPoint(int border, int segment, int end, int& x, int& y) const {
    const Border* b = Find(border);
    if (!b || (end != 0 && end != 1))
        return 0;
    // Segment -1 end 1 is vertex 0: the last vertex of a border without
    // segments, asked for as segment N - 1 end 1.
    const qsizetype vertex = qsizetype(segment) + end;
    if (vertex < 0 || vertex >= b->vertices.size())
        return 0;
    x = b->vertices[vertex].x();
    y = b->vertices[vertex].y();
    return 1;
}

void Carver::KSetRange(int left, int top, int right, int bottom, int width, int height) {
    range_.Set(left, top, right, bottom, width, height);
}

void Carver::KSetSelectWidth(int width) {
    selectWidth_ = std::max(width, 0);
}

void Carver::KSetNodeSize(int size) {
    nodeSize_ = std::max(size, 0);
    UpdateHitRadius();
}

// A point can be picked within the node it is drawn as: a fixed number of
// pixels at every zoom. The select width follows the corridor width, which is
// hundreds of pixels in a close view, so it must not widen the pick.
void Carver::UpdateHitRadius() {
    sketch_.SetHitRadius(std::max(nodeSize_, MinimumPickDiameter) / 2.0);
}

void Carver::KSetCorridorWidth(int width) {
    corridorWidth_ = std::max(width, 0);
}

void Carver::KSetBlockSize(int size) {
    if (size > 0)
        blockSize_ = size;
}

void Carver::KSetLayers(int view, int flags) {
    if (view == 0 || view == 1)
        views_[view].layers = flags;
}

LineAttributes* Carver::ViewLine(int view, LineAttributes ViewAttributes::*line) {
    return view == 0 || view == 1 ? &(views_[view].*line) : nullptr;
}

void Carver::KSetNodeAttributes(int view, int size, int style, int width, unsigned colour) {
    if (auto* line = ViewLine(view, &ViewAttributes::node))
        *line = MakeLine(size, style, width, colour);
}

void Carver::KSetSelectAttributes(int view, int size, int style, int width, unsigned colour) {
    if (auto* line = ViewLine(view, &ViewAttributes::select))
        *line = MakeLine(size, style, width, colour);
}

void Carver::KSetCorridorAttributes(int view, int size, int style, int width, unsigned colour) {
    if (auto* line = ViewLine(view, &ViewAttributes::corridor))
        *line = MakeLine(size, style, width, colour);
}

void Carver::KSetConnectionAttributes(int view, int size, int style, int width, unsigned colour) {
    if (auto* line = ViewLine(view, &ViewAttributes::connection))
        *line = MakeLine(size, style, width, colour);
}

void Carver::KSetBlockAttributes(int size, int width, int style, unsigned colour) {
    block_ = MakeLine(size, style, width, colour);
}

QList<QPoint> Carver::CoveredBlocks() const {
    return Blocks().Covered(borders_);
}

int Carver::KMakeCartridge(const QString& output, const QString& buildList, const QString& library,
                           const QString& layers, const QString& headerText) {
    mastermap::CartridgeMaker::Request request;
    request.output = output;
    request.buildList = buildList;
    request.library = library;
    request.layers = layers;
    request.corridorWidth = corridorWidth_;
    request.blockSize = blockSize_;
    request.headerText = headerText;
    for (const Border& b : borders_) {
        mastermap::Border border{b.closed, {}};
        for (const QPoint& p : b.vertices)
            border.vertices.push_back({p.x(), p.y()});
        request.borders.push_back(std::move(border));
    }
    const auto result = mastermap::CartridgeMaker::Make(request);
    cartridgeError_ = result.error;
    return result.status;
}
