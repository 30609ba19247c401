#include "print/PageView.h"

#include "mapview/WindowObject.h"

namespace print {

PageView::PageView(mapview::WindowObject& view, double aspect)
    : view_(view), width_(view.MapPicture.Width), height_(view.MapPicture.Height), midX_(view.MidX),
      midY_(view.MidY), range_(view.ZoomRange()), atMaxZoom_(view.AtMaxZoom) {
    view.MapPicture.Height = width_ * aspect;
    view.SetZoomRange(range_);
}

PageView::~PageView() {
    view_.MapPicture.Width = width_;
    view_.MapPicture.Height = height_;
    view_.MidX = midX_;
    view_.MidY = midY_;
    view_.AtMaxZoom = atMaxZoom_;
    view_.SetZoomRange(range_);
}

} // namespace print
