#pragma once

#include <QtGlobal>

namespace comm {

// One memory partition of a unit that keeps its maps in partitions.
class FlashSectionObject {
public:
    // The kind of data the unit reports for the partition.
    qint16 SectionType() const { return sectionType_; }
    void SetSectionType(qint16 type) { sectionType_ = type; }
    // Whether a run of free partitions begins here.
    bool StartContiguous() const { return startContiguous_; }
    void SetStartContiguous(bool on) { startContiguous_ = on; }

private:
    qint16 sectionType_ = 0;
    bool startContiguous_ = false;
};

} // namespace comm
