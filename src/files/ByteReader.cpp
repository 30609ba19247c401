#include "files/ByteReader.h"

#include <cstring>

namespace files {

void ByteReader::Seek(qsizetype position) {
    position_ = position < 0 ? bytes_.size() + 1 : position;
    pastEnd_ = false;
}

qsizetype ByteReader::Remaining() const {
    return position_ >= bytes_.size() ? 0 : bytes_.size() - position_;
}

bool ByteReader::Take(qsizetype count) {
    if (count < 0 || count > Remaining()) {
        pastEnd_ = true;
        position_ = qMax(position_, bytes_.size());
        return false;
    }
    taken_ = position_;
    position_ += count;
    return true;
}

std::uint8_t ByteReader::ReadByte() {
    return Take(1) ? static_cast<std::uint8_t>(bytes_[taken_]) : 0;
}

std::int16_t ByteReader::ReadInt16() {
    if (!Take(2))
        return 0;
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes_.data() + taken_);
    return static_cast<std::int16_t>(p[0] | (p[1] << 8));
}

std::int32_t ByteReader::ReadInt32() {
    if (!Take(4))
        return 0;
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes_.data() + taken_);
    const std::uint32_t v = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                            std::uint32_t(p[3]) << 24;
    return static_cast<std::int32_t>(v);
}

double ByteReader::ReadDouble() {
    if (!Take(8))
        return 0;
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes_.data() + taken_);
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | p[i];
    double d;
    std::memcpy(&d, &v, sizeof d);
    return d;
}

QByteArray ByteReader::ReadBytes(qsizetype count) {
    if (!Take(count))
        return {};
    return QByteArray(bytes_.data() + taken_, count);
}

void ByteReader::Skip(qsizetype count) {
    Take(count);
}

} // namespace files
