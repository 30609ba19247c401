#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

namespace files {

// Little-endian reader over bytes held in memory. Every read is checked
// against the end: a read that does not fit returns zero (or nothing), leaves
// the position at the end and sets PastEnd, so callers can read a whole record
// and test once. Nothing is allocated beyond the bytes actually present.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView bytes) : bytes_(bytes) {}

    // 0-based position of the next byte. A seek starts afresh (PastEnd
    // cleared); one beyond the end is allowed and makes the next read fail.
    qsizetype Position() const { return position_; }
    void Seek(qsizetype position);
    qsizetype Size() const { return bytes_.size(); }
    qsizetype Remaining() const;
    bool PastEnd() const { return pastEnd_; }

    std::uint8_t ReadByte();
    std::int16_t ReadInt16();
    std::int32_t ReadInt32();
    double ReadDouble();
    // `count` bytes; a negative count or one running past the end reads nothing.
    QByteArray ReadBytes(qsizetype count);
    void Skip(qsizetype count);

private:
    bool Take(qsizetype count);

    QByteArrayView bytes_;
    qsizetype position_ = 0;
    qsizetype taken_ = 0; // start of the run that the last Take accepted
    bool pastEnd_ = false;
};

} // namespace files
