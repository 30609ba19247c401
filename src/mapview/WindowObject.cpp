#include "mapview/WindowObject.h"

#include "carver/CorridorSize.h"
#include "geo/Coordinates.h"
#include "geo/DistanceUnits.h"
#include "geo/GreatCircle.h"
#include "geo/NumericError.h"
#include "mapview/BorderEngine.h"

#include <algorithm>
#include <cmath>

namespace mapview {

namespace {

// The world the view is kept inside: X spans the whole sphere, Y about 75.08
// degrees north to 75.07 south.
constexpr double WorldEast = 19970325;
constexpr double WorldNorth = 12921975;
constexpr double WorldWest = -19970325;
constexpr double WorldSouth = -12920000;
// No view is wider than this many internal units.
constexpr double WidestView = 17570325;
// A scale coarser than this, in pixels per internal unit, means the requested
// range is beyond the coarsest view.
constexpr double CoarsestScaleTest = 0.000055;
// The coarsest scale the view is set to. It stays clearly above the test value
// after one zoom-in step, so zooming in from the widest view always works.
constexpr double CoarsestScale = 0.000052;
// Objects this far outside the view are still drawn, so that symbols and
// names that reach into the view are not cut off.
constexpr std::int32_t ClipMargin = 5006;
constexpr double ClickPixels = 10;

constexpr QRgb Black = 0xFF000000;
constexpr QRgb Magenta = 0xFFFF00FF;
constexpr QRgb Green = 0xFF00FF00;

double Quotient(double a, double b) {
    const double q = a / b;
    if (b == 0 || !std::isfinite(q))
        throw geo::NumericError("Division by zero");
    return q;
}

// Runs one step of a sequence in which a failing step is skipped and the
// following steps go on with the values they find.
template <typename Step> void Attempt(Step&& step) {
    try {
        step();
    } catch (const geo::NumericError&) {
    }
}

} // namespace

WindowObject::WindowObject(BorderEngine& engine, QObject* parent) : QObject(parent), engine_(engine) {}

double WindowObject::CentreCosine() const {
    return std::cos(geo::YToLatitude(MidY) * geo::DegToRad);
}

double WindowObject::MinZoomRange() const {
    return ViewWidthPixels() / geo::MetresPerMile * CentreCosine();
}

double WindowObject::MaxZoomRange() const {
    return std::min(ViewWidthPixels() / CoarsestScale, WidestView) / geo::MetresPerMile * CentreCosine();
}

void WindowObject::SetZoomRange(double newRange) {
    double aspect = 0;
    double c = 0;
    std::int32_t w = 0;
    std::int32_t h = 0;
    const auto viewWidth = [&] {
        c = CentreCosine();
        w = geo::RoundToInt32(zoomRange_ * geo::MetresPerMile / c);
    };
    Attempt([&] { aspect = Quotient(MapPicture.Height, MapPicture.Width); });
    zoomRange_ = newRange;
    Attempt(viewWidth);
    Attempt([&] {
        // A window without width (minimised, not yet shown) keeps the range it
        // is given, so that the view comes back as it was when it is shown.
        if (ViewWidthPixels() <= 0)
            throw geo::NumericError("The map picture has no width");
        // Tested on the unrounded width so that a range too wide to round
        // still counts as beyond the world; a range that is no number at all
        // becomes the finest.
        if (!(zoomRange_ >= MinZoomRange()))
            zoomRange_ = MinZoomRange();
        else if (ViewWidthPixels() / (zoomRange_ * geo::MetresPerMile / CentreCosine()) < CoarsestScaleTest)
            AtMaxZoom = true;
    });
    if (AtMaxZoom)
        zoomRange_ = MaxZoomRange();
    Attempt(viewWidth);
    Attempt([&] { h = geo::RoundToInt32(w * aspect); });
    Attempt([&] {
        if (MidX + w / 2.0 > WorldEast)
            MidX = geo::RoundToInt32(WorldEast - w / 2.0);
        if (MidY + h / 2.0 > WorldNorth)
            MidY = geo::RoundToInt32(WorldNorth - h / 2.0);
        if (MidX - w / 2.0 < WorldWest)
            MidX = geo::RoundToInt32(WorldWest + w / 2.0);
        if (MidY - h / 2.0 < WorldSouth)
            MidY = geo::RoundToInt32(WorldSouth + h / 2.0);
    });
    Attempt([&] {
        ViewLeft = geo::RoundToInt32(MidX - w / 2.0);
        ViewBottom = geo::RoundToInt32(MidY - h / 2.0);
        ViewRight = geo::RoundToInt32(MidX + w / 2.0);
        ViewTop = geo::RoundToInt32(MidY + h / 2.0);
    });
    Attempt([&] { MapPicture.SetScale(ViewLeft, ViewTop, ViewRight, ViewBottom); });
    ApplyScale(w, h);
    TellEngine(w, h);
}

void WindowObject::ApplyScale(std::int32_t w, std::int32_t h) {
    Attempt([&] {
        PixelsPerUnitX = Quotient(MapPicture.Width, MapPicture.ScaleWidth);
        PixelLeft = MapPicture.ScaleLeft * PixelsPerUnitX;
    });
    Attempt([&] {
        PixelsPerUnitY = Quotient(MapPicture.Height, MapPicture.ScaleHeight);
        PixelTop = MapPicture.ScaleTop * PixelsPerUnitY;
    });
    ClipLeft = ViewLeft - ClipMargin;
    ClipBottom = ViewBottom - ClipMargin;
    ClipRight = ViewRight + ClipMargin;
    ClipTop = ViewTop + ClipMargin;
    panStepX_ = w / 3.0;
    panStepY_ = h / 3.0;
}

void WindowObject::TellEngine(std::int32_t w, std::int32_t h) {
    // The display height goes to the engine as the positive number of pixels
    // it is: the vertical scale is negative only because Y grows upwards.
    Attempt([&] {
        engine_.KSetRange(ViewLeft, ViewBottom, ViewRight, ViewTop, geo::RoundToInt32(PixelsPerUnitX * w),
                          geo::RoundToInt32(std::abs(PixelsPerUnitY * h)));
    });
    Attempt([&] { engine_.KSetSelectWidth(geo::RoundToInt32(PixelsPerUnitX * corridorWidth_)); });
    Attempt([&] { KelSetDrawFlags(); });
}

void WindowObject::KelSetDrawFlags() {
    blockSize_ = carver::CorridorSize::For(corridorWidth_).blockSize;
    engine_.KSetBlockSize(blockSize_);
    std::int32_t layer0 = 4;
    std::int32_t layer1 = 1;
    if (drawBlockBoundaries_ && static_cast<double>(ViewRight - ViewLeft) / blockSize_ < 50) {
        layer0 = 12;
        layer1 = 9;
    }
    if (drawBorderHotspots_) {
        layer0 += 16;
        layer1 += 16;
    }
    engine_.KSetLayers(0, layer0);
    engine_.KSetLayers(1, layer1);
    engine_.KSetCorridorWidth(corridorWidth_);
    engine_.KSetBlockSize(blockSize_);
    engine_.KSetBlockAttributes(blockSize_, 2, 1, Black);
    const std::int32_t selectSize = geo::RoundToInt32(PixelsPerUnitX * blockSize_);
    for (std::int32_t view = 0; view < 2; ++view)
        engine_.KSetSelectAttributes(view, selectSize, 0, 2, Magenta);
    for (std::int32_t view = 0; view < 2; ++view)
        engine_.KSetCorridorAttributes(view, corridorWidth_, 0, 2, Magenta);
    for (std::int32_t view = 0; view < 2; ++view)
        engine_.KSetNodeAttributes(view, 5, 0, 2, Black);
    for (std::int32_t view = 0; view < 2; ++view)
        engine_.KSetConnectionAttributes(view, blockSize_, 0, 2, Green);
}

void WindowObject::SetDrawBlockBoundaries(bool value) {
    drawBlockBoundaries_ = value;
    KelSetDrawFlags();
}

void WindowObject::SetDrawBorderHotspots(bool value) {
    drawBorderHotspots_ = value;
    KelSetDrawFlags();
}

void WindowObject::SetCorridorWidth(std::int32_t value) {
    corridorWidth_ = carver::CorridorSize::For(value).width;
    KelSetDrawFlags();
}

void WindowObject::SetUseHighDetail(bool value) {
    if (value == useHighDetail_ && detailValid_)
        return;
    useHighDetail_ = value;
    detailValid_ = true;
    if (MakeUsedList && !MakeUsedList())
        detailValid_ = false;
}

bool WindowObject::ClickDistance(double x, double y) const {
    return std::abs(x - DownX) < ClickPixels / PixelsPerUnitX &&
           std::abs(y - DownY) < -ClickPixels / PixelsPerUnitY;
}

void WindowObject::StretchZoom() {
    if (MapPicture.Width <= 0 || MapPicture.Height <= 0)
        return;
    const double dy = std::abs(StretchY2 - StretchY1);
    const double dx = std::abs(StretchX2 - StretchX1);
    const double hn = std::max(dx * (MapPicture.Height / MapPicture.Width), dy);
    const double wn = hn * MapPicture.Width / MapPicture.Height;
    Attempt([&] {
        MidY = geo::RoundToInt32(StretchY1 < StretchY2 ? StretchY1 + hn / 2 : StretchY1 - hn / 2);
        MidX = geo::RoundToInt32(StretchX1 < StretchX2 ? StretchX1 + wn / 2 : StretchX1 - wn / 2);
    });
    AtMaxZoom = false;
    SetZoomRange(wn / geo::MetresPerMile * CentreCosine());
}

bool WindowObject::ZoomIn() {
    const double old = zoomRange_;
    AtMaxZoom = false;
    SetZoomRange(old / (1 + MapZoomChange / 100));
    return zoomRange_ != old;
}

bool WindowObject::ZoomOut() {
    const double old = zoomRange_;
    SetZoomRange(old * (1 + MapZoomChange / 100));
    return zoomRange_ != old;
}

void WindowObject::Pan(int direction) {
    Attempt([&] {
        switch (direction) {
        case 0:
            MidY = geo::RoundToInt32(MidY + panStepY_);
            break;
        case 1:
            MidX = geo::RoundToInt32(MidX + panStepX_);
            break;
        case 2:
            MidY = geo::RoundToInt32(MidY - panStepY_);
            break;
        case 3:
            MidX = geo::RoundToInt32(MidX - panStepX_);
            break;
        default:
            return;
        }
        Center(MidX, MidY);
    });
}

void WindowObject::Center(std::int32_t x, std::int32_t y) {
    MidX = x;
    MidY = y;
    SetZoomRange(zoomRange_);
}

void WindowObject::SetMode(std::int32_t mode) {
    if (mode == mode_)
        return;
    oldMode_ = mode_;
    mode_ = mode;
    MapPicture.ToolTipText.clear();
    customPointer_ = false;
    ApplyPointer(mode);
    emit ModeChange();
}

void WindowObject::ApplyPointer(std::int32_t mode) {
    const auto custom = [this](PointerKind kind) {
        MapPicture.Pointer = kind;
        customPointer_ = true;
    };
    switch (mode) {
    case 0:
        MapPicture.Pointer = PointerKind::CrossHair;
        break;
    case 1:
        custom(PointerKind::ArrowPoly);
        break;
    case 3:
        custom(PointerKind::ArrowWpt);
        break;
    case 4:
        custom(PointerKind::ArrowRte);
        break;
    case 5:
        custom(PointerKind::ArrowIcn);
        break;
    case 6:
    case 7:
        MapPicture.Pointer = PointerKind::Default;
        break;
    default: // polyline, stretch and unknown modes keep the pointer showing
        break;
    }
}

void WindowObject::RevertMode() {
    SetMode(oldMode_);
    oldMode_ = mode_;
}

void WindowObject::SetMapLinesColor(std::int32_t color) {
    if (color != mapLinesColor_)
        emit Change();
    mapLinesColor_ = color;
}

void WindowObject::SetLineColor(int category, std::int32_t color) {
    if (categories_.At(category).LineColor != color)
        emit Change();
    categories_.SetLineColor(category, color);
}

void WindowObject::SetAreaColor(int category, std::int32_t color) {
    if (categories_.At(category).AreaColor != color)
        emit Change();
    categories_.SetAreaColor(category, color);
}

double WindowObject::DistanceToMiles(double distance) const {
    return geo::DistanceToMiles(distance, DistanceUnits, MidY);
}

double WindowObject::MilesToDistance(double miles) const {
    return geo::MilesToDistance(miles, DistanceUnits, MidY);
}

QString WindowObject::FormatDistance(double miles) const {
    return geo::FormatDistance(miles, DistanceUnits, MidY);
}

} // namespace mapview
