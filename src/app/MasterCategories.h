#pragma once

#include "mapbuild/MapCategorySource.h"

namespace mastermap {
class MasterMapControl;
}

namespace app {

// The master map's category tree as the map definition reads it.
class MasterCategories : public mapbuild::MapCategorySource {
public:
    explicit MasterCategories(mastermap::MasterMapControl& control) : control_(control) {}

    int MajorCount() const override;
    mapbuild::MajorCategory Major(int major) const override;
    void SetMajorState(int major, bool on) override;
    bool MajorSelected(int major, QString& name) const override;
    mapbuild::MinorCategory Minor(int major, int minor) const override;
    void SetMinorState(int major, int minor, bool on) override;
    void SetUsedListPath(const QString& path) override;

private:
    mastermap::MasterMapControl& control_;
};

} // namespace app
