#pragma once

#include <QString>

namespace mapbuild {

// One memory partition of a unit that keeps its maps in partitions, as the
// unit reported it.
class FlashSectionObject {
public:
    FlashSectionObject(quint16 number, bool inUse, quint32 size, const QString& dataName, quint16 sectionType)
        : number_(number), inUse_(inUse), size_(size), dataName_(dataName), sectionType_(sectionType) {}

    quint16 Number() const { return number_; }
    bool InUse() const { return inUse_; }
    quint32 Size() const { return size_; }
    const QString& DataName() const { return dataName_; }
    // The kind of data the partition holds (maker << 8 | data type); 0 when
    // it holds nothing that ties it to a kind.
    quint16 SectionType() const { return sectionType_; }
    void SetSectionType(quint16 type) { sectionType_ = type; }
    // Whether a run of adjacent partitions begins here.
    bool StartContiguous() const { return startContiguous_; }
    void SetStartContiguous(bool on) { startContiguous_ = on; }

private:
    quint16 number_;
    bool inUse_;
    quint32 size_;
    QString dataName_;
    quint16 sectionType_;
    bool startContiguous_ = false;
};

} // namespace mapbuild
