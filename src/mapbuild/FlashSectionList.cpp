#include "mapbuild/FlashSectionList.h"

#include <algorithm>

namespace mapbuild {

const FlashSectionObject* FlashSectionList::FlashSection(int index) const {
    return index >= 0 && index < sections_.size() ? &sections_[index] : nullptr;
}

void FlashSectionList::DeleteFlashSection(int index) {
    if (!FlashSection(index))
        return;
    sections_.removeAt(index);
    MarkRuns();
}

void FlashSectionList::AddFlashSection(quint16 number, quint16 inUse, quint16, quint32 size, quint32, quint32,
                                       const QString& dataName, quint32 dataKind) {
    sections_.append(FlashSectionObject(number, inUse == 1, size, dataName, quint16(dataKind & 0xFFFF)));
    MarkRuns();
}

void FlashSectionList::MarkRuns() {
    for (qsizetype i = 0; i < sections_.size(); ++i)
        sections_[i].SetStartContiguous(i == 0 || sections_[i].Number() != sections_[i - 1].Number() + 1);
}

bool FlashSectionList::FlashDataCompatible(int index, quint8 manufacturer, quint8 dataType) const {
    const FlashSectionObject* s = FlashSection(index);
    if (!s || manufacturer == 0)
        return false;
    return s->SectionType() == 0 || s->SectionType() == ((manufacturer << 8) | dataType);
}

int FlashSectionList::BegContiguousFlashIndex(int index) const {
    if (!FlashSection(index))
        return -1;
    while (!sections_[index].StartContiguous())
        --index;
    return index;
}

int FlashSectionList::EndContiguousFlashIndex(int index) const {
    if (!FlashSection(index))
        return -1;
    while (index + 1 < sections_.size() && !sections_[index + 1].StartContiguous())
        ++index;
    return index;
}

qint64 FlashSectionList::ContiguousFlashSize(int index) const {
    qint64 bytes = 0;
    for (int i = index, end = EndContiguousFlashIndex(index); i >= 0 && i <= end; ++i)
        bytes += sections_[i].Size();
    return bytes;
}

qint64 FlashSectionList::MaxContiguousFlashSize() const {
    qint64 most = 0;
    for (int i = 0; i < sections_.size(); ++i)
        if (sections_[i].StartContiguous())
            most = std::max(most, ContiguousFlashSize(i));
    return most;
}

} // namespace mapbuild
