#pragma once

#include "mapbuild/MapDetail.h"

namespace mapbuild {

// The detail level a workspace names, for builds without a map window.
class FixedDetail : public MapDetail {
public:
    explicit FixedDetail(bool high) : high_(high) {}
    bool UseHighDetail() const override { return high_; }
    bool DetailValid() const override { return true; }

private:
    bool high_;
};

} // namespace mapbuild
