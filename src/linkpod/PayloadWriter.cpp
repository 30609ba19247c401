#include "linkpod/PayloadWriter.h"

#include "linkpod/UnitText.h"

#include <bit>

namespace linkpod {

PayloadWriter& PayloadWriter::U8(std::uint8_t v) {
    data_.append(static_cast<char>(v));
    return *this;
}

PayloadWriter& PayloadWriter::U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v & 0xFF));
    return U8(static_cast<std::uint8_t>(v >> 8));
}

PayloadWriter& PayloadWriter::U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v & 0xFFFF));
    return U16(static_cast<std::uint16_t>(v >> 16));
}

PayloadWriter& PayloadWriter::F32(float v) {
    return U32(std::bit_cast<std::uint32_t>(v));
}

PayloadWriter& PayloadWriter::Text(const QString& text) {
    // A text never takes more than 65535 bytes; a longer one is cut before
    // the character that would pass the limit, so the reader sees valid UTF-8.
    return Bytes(UnitText::CutUtf8(text.toUtf8(), 0xFFFF));
}

PayloadWriter& PayloadWriter::Bytes(const QByteArray& bytes) {
    const QByteArray part = bytes.left(0xFFFF);
    U16(static_cast<std::uint16_t>(part.size()));
    return Raw(part);
}

PayloadWriter& PayloadWriter::Raw(const QByteArray& bytes) {
    data_.append(bytes);
    return *this;
}

} // namespace linkpod
