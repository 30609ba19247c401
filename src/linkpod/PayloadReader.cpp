#include "linkpod/PayloadReader.h"

#include <bit>

namespace linkpod {

std::uint8_t PayloadReader::U8() {
    if (pos_ >= data_.size()) {
        Fail();
        return 0;
    }
    return static_cast<std::uint8_t>(data_[pos_++]);
}

std::uint16_t PayloadReader::U16() {
    const std::uint16_t lo = U8();
    return static_cast<std::uint16_t>(lo | (U8() << 8));
}

std::uint32_t PayloadReader::U32() {
    const std::uint32_t lo = U16();
    return lo | (static_cast<std::uint32_t>(U16()) << 16);
}

float PayloadReader::F32() {
    return std::bit_cast<float>(U32());
}

QString PayloadReader::Text() {
    return QString::fromUtf8(Bytes());
}

QByteArray PayloadReader::Bytes() {
    return Raw(U16());
}

QByteArray PayloadReader::Raw(qsizetype count) {
    if (!ok_ || count < 0 || count > Remaining()) {
        Fail();
        return {};
    }
    const QByteArray part = data_.mid(pos_, count);
    pos_ += count;
    return part;
}

} // namespace linkpod
