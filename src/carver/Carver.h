#pragma once

#include "carver/BlockCover.h"
#include "carver/Border.h"
#include "carver/BorderSketch.h"
#include "carver/DisplayRange.h"
#include "carver/LineAttributes.h"

#include <QList>
#include <QPoint>

#include <array>

class QPainter;

// The border engine: holds the map borders (closed polygons and open
// polylines) in internal units, takes the points of the border the user draws,
// and draws borders, corridors, blocks and hot spots into the map display.
// Every call accepts any arguments: an unknown border, view or segment is
// ignored or answers 0.
class Carver {
public:
    Carver();

    // Mouse protocol (pixels of the map display).
    void KSetMode(int mode);
    int KSendPoint(int x, int y);
    void KDeletePoint(int x, int y);
    void KUndo();
    // Closes the border being drawn (or the one the last point ended) into a
    // polygon when it has three points or more; 1 when it did.
    int KCloseBorder();
    // Index of the border the user is drawing, -1 when none.
    int KGetDrawingPolygon() const;

    void KDraw(QPainter& painter, int view) const;

    // Border list (internal units).
    void KClearAll();
    void KAddPolyline(int closed);
    void KAddPolyPoint(int x, int y);
    int KGetNumPolygons() const;
    int KGetNumPoints(int border) const;
    int KIsPolyLineClosed(int border) const;
    // Vertex `segment + end` (end 0 or 1) of the border; returns 1, or 0 (x
    // and y untouched) when there is no such vertex.
    int KGetPoint(int border, int segment, int end, int& x, int& y) const;

    // Settings.
    void KSetRange(int left, int top, int right, int bottom, int width, int height);
    void KSetSelectWidth(int width);
    void KSetNodeSize(int size);
    void KSetCorridorWidth(int width);
    void KSetBlockSize(int size);
    void KSetLayers(int view, int flags);
    void KSetNodeAttributes(int view, int size, int style, int width, unsigned colour);
    void KSetSelectAttributes(int view, int size, int style, int width, unsigned colour);
    void KSetCorridorAttributes(int view, int size, int style, int width, unsigned colour);
    void KSetConnectionAttributes(int view, int size, int style, int width, unsigned colour);
    void KSetBlockAttributes(int size, int width, int style, unsigned colour);

    // Builds the custom map of the borders into `output`, or with a layer
    // selection ending in "Estimate;" writes the map's size there as a 32-bit
    // integer. `buildList` names the master map files, `library` the category
    // tree, `headerText` the text the map carries in its header. Returns 1 on
    // success, 0 when nothing was built (LastCartridgeError says why).
    int KMakeCartridge(const QString& output, const QString& buildList, const QString& library,
                       const QString& layers, const QString& headerText = QString());
    const QString& LastCartridgeError() const { return cartridgeError_; }

    // Read access for the map cutter and the drawing.
    const QList<carver::Border>& Borders() const { return borders_; }
    int CorridorWidth() const { return corridorWidth_; }
    int BlockSize() const { return blockSize_; }
    // The blocks that the borders and their corridors cover (see BlockCover).
    QList<QPoint> CoveredBlocks() const;
    carver::BlockCover Blocks() const { return {blockSize_, corridorWidth_}; }
    const carver::DisplayRange& Range() const { return range_; }
    const carver::ViewAttributes& View(int view) const { return views_[view == 0 ? 0 : 1]; }
    const carver::LineAttributes& BlockAttributes() const { return block_; }
    const carver::BorderSketch& Sketch() const { return sketch_; }
    int NodeSize() const { return nodeSize_; }
    int SelectWidth() const { return selectWidth_; }

private:
    const carver::Border* Find(int border) const;
    carver::LineAttributes* ViewLine(int view, carver::LineAttributes carver::ViewAttributes::*line);
    void UpdateHitRadius();

    QList<carver::Border> borders_;
    QString cartridgeError_;
    carver::DisplayRange range_;
    carver::BorderSketch sketch_;
    std::array<carver::ViewAttributes, 2> views_;
    carver::LineAttributes block_{24000, 0, 1, 0xff000000};
    int selectWidth_ = 5;
    int nodeSize_ = 10;
    static constexpr int MinimumPickDiameter = 10; // pixels
    int corridorWidth_ = 0;
    int blockSize_ = 24000;
};
