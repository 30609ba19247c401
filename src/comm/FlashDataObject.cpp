#include "comm/FlashDataObject.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <limits>

namespace comm {

bool FlashDataObject::LoadData(const QString& path) {
    image_.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 length = file.size();
    // A map must fit the unit's 32-bit addresses.
    if (length < 0 || length > qint64(std::numeric_limits<qint32>::max()))
        return false;
    QByteArray data = file.read(length);
    if (data.size() != length)
        return false;
    image_ = std::move(data);
    return true;
}

quint8 FlashDataObject::DataByte(qint64 index) const {
    return index >= 0 && index < image_.size() ? quint8(image_[index]) : 0;
}

quint8 FlashDataObject::HeaderByte(int index) const {
    const bool hasHeader = image_.size() > 64 && quint8(image_[0]) == 0x55 && quint8(image_[1]) == 0xAA;
    return hasHeader ? quint8(image_[index]) : 0;
}

quint32 FlashDataObject::GetPacket(char* buffer, quint32 start, quint32 count) const {
    const quint32 length = DataLength();
    if (start >= length)
        return 0;
    count = std::min(count, length - start);
    std::memcpy(buffer, image_.constData() + start, count);
    return count;
}

quint32 FlashDataObject::GetPacket(QByteArray& buffer, quint32 start, quint32 count) const {
    const quint32 length = DataLength();
    buffer.resize(start >= length ? 0 : qsizetype(std::min(count, length - start)));
    return GetPacket(buffer.data(), start, quint32(buffer.size()));
}

} // namespace comm
