#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstdint>

namespace files {

// Appends an integer in little-endian byte order.
template <typename T> void AppendLittleEndian(QByteArray& out, T value) {
    const T le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), sizeof(T));
}

// Little-endian writer that builds a file image in memory, so that a save can
// hand the complete image to the disk in one go (or not at all).
class ByteWriter {
public:
    qsizetype Size() const { return bytes_.size(); }
    const QByteArray& Bytes() const { return bytes_; }

    void WriteByte(std::uint8_t value);
    void WriteInt16(std::int16_t value);
    void WriteInt32(std::int32_t value);
    void WriteDouble(double value);
    void WriteBytes(const QByteArray& bytes);
    // Appends `count` zero bytes (space set aside, filled in later).
    void Reserve(qsizetype count);
    // Overwrites four bytes at a 0-based position inside what was written.
    void PutInt32At(qsizetype position, std::int32_t value);

private:
    QByteArray bytes_;
};

} // namespace files
