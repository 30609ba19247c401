#pragma once

#include "mapbuild/MapCategorySource.h"

namespace mastermap {
class MasterMapControl;
}

namespace mapbuild {

// The master map's category tree as the map definition reads it.
class MasterCategories : public MapCategorySource {
public:
    explicit MasterCategories(mastermap::MasterMapControl& control) : control_(control) {}

    int MajorCount() const override;
    MajorCategory Major(int major) const override;
    void SetMajorState(int major, bool on) override;
    bool MajorSelected(int major, QString& name) const override;
    MinorCategory Minor(int major, int minor) const override;
    void SetMinorState(int major, int minor, bool on) override;
    void SetUsedListPath(const QString& path) override;

private:
    mastermap::MasterMapControl& control_;
};

} // namespace mapbuild
