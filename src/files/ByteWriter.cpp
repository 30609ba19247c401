#include "files/ByteWriter.h"

#include <bit>

namespace files {

void ByteWriter::WriteByte(std::uint8_t value) {
    bytes_.append(static_cast<char>(value));
}

void ByteWriter::WriteInt16(std::int16_t value) {
    AppendLittleEndian(bytes_, value);
}

void ByteWriter::WriteInt32(std::int32_t value) {
    AppendLittleEndian(bytes_, value);
}

void ByteWriter::WriteDouble(double value) {
    AppendLittleEndian(bytes_, std::bit_cast<std::uint64_t>(value));
}

void ByteWriter::WriteBytes(const QByteArray& bytes) {
    bytes_.append(bytes);
}

void ByteWriter::Reserve(qsizetype count) {
    bytes_.append(count, '\0');
}

void ByteWriter::PutInt32At(qsizetype position, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes_[position + i] = static_cast<char>((v >> (8 * i)) & 0xff);
}

} // namespace files
