#pragma once

#include <QByteArray>

#include <cstdint>

namespace files {

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
