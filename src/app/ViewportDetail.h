#pragma once

#include "mapbuild/MapDetail.h"
#include "mapview/WindowObject.h"

namespace app {

// The map definition reads the detail level from the viewport.
class ViewportDetail : public mapbuild::MapDetail {
public:
    explicit ViewportDetail(const mapview::WindowObject& window) : window_(window) {}
    bool UseHighDetail() const override { return window_.UseHighDetail(); }
    bool DetailValid() const override { return window_.DetailValid(); }

private:
    const mapview::WindowObject& window_;
};

} // namespace app
