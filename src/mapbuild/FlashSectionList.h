#pragma once

#include "mapbuild/FlashSectionObject.h"

#include <QList>

namespace mapbuild {

// The partitions of the connected unit in the order they were listed, and
// the contiguous space they offer a map. A run of adjacent partitions ends
// where a partition number is skipped (a partition the list left out lies
// between); a map is written into one run from a chosen partition on.
class FlashSectionList {
public:
    // Nullptr outside the list.
    const FlashSectionObject* FlashSection(int index) const;
    const QList<FlashSectionObject>& FlashSections() const { return sections_; }
    int CountFlashSections() const { return int(sections_.size()); }
    void DeleteFlashSection(int index);
    void DeleteFlashSections() { sections_.clear(); }
    // The eight values of a partition status record; the last one is the
    // kind of data held (maker << 8 | data type).
    void AddFlashSection(quint16 number, quint16 inUse, quint16 status, quint32 size, quint32 startAddress,
                         quint32 programmed, const QString& dataName, quint32 dataKind);
    // Whether partition `index` may take data of this maker and type: it must
    // be empty of any kind or hold the same kind. Data without a maker (no map
    // header) suits no partition.
    bool FlashDataCompatible(int index, quint8 manufacturer, quint8 dataType) const;
    // First and last index of the run holding `index`; -1 outside the list.
    int BegContiguousFlashIndex(int index) const;
    int EndContiguousFlashIndex(int index) const;
    // Bytes from partition `index` to the end of its run; 0 outside the list.
    qint64 ContiguousFlashSize(int index) const;
    // The largest space of any run.
    qint64 MaxContiguousFlashSize() const;

private:
    void MarkRuns();

    QList<FlashSectionObject> sections_;
};

} // namespace mapbuild
