#include "mapbuild/MasterCategories.h"

#include "mastermap/MasterMapControl.h"

namespace mapbuild {

int MasterCategories::MajorCount() const {
    return control_.MajorCount();
}

MajorCategory MasterCategories::Major(int major) const {
    const auto record = control_.Major(major);
    return {QString::number(record.code), record.minorCount, record.inUse};
}

void MasterCategories::SetMajorState(int major, bool on) {
    control_.SetMajorState(major, on);
}

bool MasterCategories::MajorSelected(int major, QString& name) const {
    name = control_.MajorName(major);
    return control_.MajorSelected(major);
}

MinorCategory MasterCategories::Minor(int major, int minor) const {
    const auto record = control_.Minor(major, minor);
    return {QString::number(record.category), record.name, record.selected};
}

void MasterCategories::SetMinorState(int major, int minor, bool on) {
    control_.SetMinorState(major, minor, on);
}

void MasterCategories::SetUsedListPath(const QString& path) {
    control_.SetUsedList(path);
}

} // namespace mapbuild
