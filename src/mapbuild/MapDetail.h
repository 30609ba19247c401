#pragma once

namespace mapbuild {

// The viewport's detail level, which decides the master map files in use.
class MapDetail {
public:
    virtual ~MapDetail() = default;
    virtual bool UseHighDetail() const = 0;
    virtual bool DetailValid() const = 0;
};

} // namespace mapbuild
