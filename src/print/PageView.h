#pragma once

#include <cstdint>

namespace mapview {
class WindowObject;
}

namespace print {

// The map window's view given, for as long as the object lives, the shape of
// the place it is printed in: the same centre and the same range across, a
// picture as wide as the window's and as high as the page's shape asks. The
// window's own view comes back afterwards, border engine included.
class PageView {
public:
    PageView(mapview::WindowObject& view, double aspect);
    ~PageView();
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

private:
    mapview::WindowObject& view_;
    double width_;
    double height_;
    std::int32_t midX_;
    std::int32_t midY_;
    double range_;
    bool atMaxZoom_;
};

} // namespace print
