#pragma once

#include "mapview/CategoryAttributeTable.h"
#include "mapview/MapSurface.h"
#include "mapview/MapSymbolTable.h"
#include "mapview/NameLabels.h"
#include "mapview/WaypointSymbols.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace mapview {

class BorderEngine;

// The one viewport of the map window: the view's centre and zoom range, the
// scale they give the map picture, the mouse mode, the drawing switches and
// colours, and the category attributes. Positions are internal units, ranges
// statute miles of ground across the view, sizes device-independent pixels.
class WindowObject : public QObject {
    Q_OBJECT

public:
    explicit WindowObject(BorderEngine& engine, QObject* parent = nullptr);

    bool AtMaxZoom = false;
    std::int16_t MapFontSize = 10;
    bool MapFontBold = false;
    bool MapFontItalic = false;
    QString MapFontName = QStringLiteral("Courier New");
    bool ShowWaypointNames = true;
    bool DrawRoutes = true;
    bool DrawTrails = true;
    bool DrawWaypoints = true;
    bool DrawIcons = true;
    std::int32_t DistanceUnits = 0;
    MapSurface MapPicture;
    double PixelLeft = 0;
    double PixelTop = 0;
    double PixelsPerUnitX = 0;
    double PixelsPerUnitY = 0;
    std::int32_t ViewLeft = 0;
    std::int32_t ViewBottom = 0;
    std::int32_t ViewRight = 0;
    std::int32_t ViewTop = 0;
    std::int32_t MidX = 0;
    std::int32_t MidY = 0;
    std::int32_t ClipLeft = 0;
    std::int32_t ClipBottom = 0;
    std::int32_t ClipRight = 0;
    std::int32_t ClipTop = 0;
    double MapZoomChange = 10.0;
    std::int32_t RouteLinesColor = 13;
    std::int32_t TrailLinesColor = 12;
    std::int32_t WaypointNamesColor = 0;
    double StretchX1 = 0;
    double StretchY1 = 0;
    double StretchX2 = 0;
    double StretchY2 = 0;
    double DownX = 0;
    double DownY = 0;
    bool DrawOnlyOpenRoutes = false;
    // Entries "Rte:" followed by a route index, one per open route editor.
    QStringList OpenRouteEditors;
    // Rebuilds the list of used master map libraries; false when they cannot be read.
    std::function<bool()> MakeUsedList;
    // Waypoint names laid out for drawing, kept from frame to frame.
    mapview::NameLabels NameLabels;

    bool DetailValid() const { return detailValid_; }
    bool UseHighDetail() const { return useHighDetail_; }
    void SetUseHighDetail(bool value);

    bool ClickDistance(double x, double y) const;
    void StretchZoom();

    bool DrawBlockBoundaries() const { return drawBlockBoundaries_; }
    void SetDrawBlockBoundaries(bool value);
    bool DrawBorderHotspots() const { return drawBorderHotspots_; }
    void SetDrawBorderHotspots(bool value);
    std::int32_t CorridorWidth() const { return corridorWidth_; }
    void SetCorridorWidth(std::int32_t value);
    std::int32_t BlockSize() const { return blockSize_; }
    void KelSetDrawFlags();

    std::int32_t Mode() const { return mode_; }
    void SetMode(std::int32_t mode);
    std::int32_t OldMode() const { return oldMode_; }
    void ClearOldMode() { oldMode_ = mode_; }
    void RevertMode();
    bool CustomPointer() const { return customPointer_; }

    std::int32_t MapLinesColor() const { return mapLinesColor_; }
    void SetMapLinesColor(std::int32_t color);

    double ZoomRange() const { return zoomRange_; }
    void SetZoomRange(double newRange);
    double MinZoomRange() const;
    double MaxZoomRange() const;
    bool ZoomIn();
    bool ZoomOut();
    double PanStepX() const { return panStepX_; }
    double PanStepY() const { return panStepY_; }
    void Pan(int direction);
    void Center(std::int32_t x, std::int32_t y);

    void SetLineColor(int category, std::int32_t color);
    void SetAreaColor(int category, std::int32_t color);
    const CategoryAttributes& CategoryToColors(int category) const { return categories_.At(category); }

    const SymbolObject& GetSymbolPicture(std::int32_t symbolClass, std::int32_t symbolType,
                                         std::int32_t number) const {
        return mapSymbols_.GetSymbolPicture(symbolClass, symbolType, number);
    }
    // One reusable record, rendered for the given pixel ratio.
    const SymbolObject& GetWaypointPicture(int symbol, double pixelRatio = 1) {
        return waypointSymbols_.GetWaypointPicture(symbol, pixelRatio);
    }
    const QStringList& SymbolNames() const { return waypointSymbols_.Names(); }

    // Distances in the display unit chosen by DistanceUnits, at the view centre.
    double DistanceToMiles(double distance) const;
    double MilesToDistance(double miles) const;
    QString FormatDistance(double miles) const;

    // Pixel position on the map picture of an internal position.
    double ToPixelX(double x) const { return x * PixelsPerUnitX - PixelLeft; }
    double ToPixelY(double y) const { return y * PixelsPerUnitY - PixelTop; }

signals:
    void Change();
    void ModeChange();

private:
    double ViewWidthPixels() const { return MapPicture.Width; }
    double CentreCosine() const;
    void ApplyPointer(std::int32_t mode);
    void ApplyScale(std::int32_t w, std::int32_t h);
    void TellEngine(std::int32_t w, std::int32_t h);

    BorderEngine& engine_;
    bool drawBlockBoundaries_ = false;
    bool drawBorderHotspots_ = false;
    std::int32_t corridorWidth_ = 0;
    std::int32_t blockSize_ = 0;
    std::int32_t mode_ = 1;
    std::int32_t oldMode_ = 0;
    bool customPointer_ = false;
    double panStepX_ = 0;
    double panStepY_ = 0;
    double zoomRange_ = 0;
    std::int32_t mapLinesColor_ = 0;
    CategoryAttributeTable categories_;
    MapSymbolTable mapSymbols_;
    WaypointSymbols waypointSymbols_;
    bool useHighDetail_ = false;
    bool detailValid_ = false;
};

} // namespace mapview
