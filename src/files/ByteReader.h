#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>

#include <bit>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace files {

// Little-endian reader over bytes held in memory (a file image or a mapped
// file). Every read is checked against the end: a read that does not fit
// returns zero (or nothing), leaves the position at the end and sets PastEnd,
// so callers can read a whole record and test once. Nothing is allocated
// beyond the bytes actually present.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView bytes) : bytes_(bytes) {}
    explicit ByteReader(std::string_view bytes) : bytes_(bytes.data(), qsizetype(bytes.size())) {}

    // 0-based position of the next byte. A seek starts afresh (PastEnd
    // cleared); a position beyond the end (or negative, or beyond what 63 bits
    // hold) is allowed and makes the next read fail.
    qsizetype Position() const { return position_; }
    void Seek(std::uint64_t position);
    qsizetype Size() const { return bytes_.size(); }
    qsizetype Remaining() const;
    // Whether `count` more bytes can be read.
    bool Has(std::uint64_t count) const { return !pastEnd_ && count <= std::uint64_t(Remaining()); }
    bool PastEnd() const { return pastEnd_; }

    // An integer or floating value of the type's size.
    template <typename T> T Read() {
        static_assert(std::is_arithmetic_v<T>);
        using Bits = std::conditional_t<
            sizeof(T) == 1, std::uint8_t,
            std::conditional_t<sizeof(T) == 2, std::uint16_t,
                               std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;
        static_assert(sizeof(Bits) == sizeof(T));
        if (!Take(sizeof(T)))
            return T{};
        return std::bit_cast<T>(qFromLittleEndian<Bits>(bytes_.data() + taken_));
    }
    std::uint8_t ReadByte() { return Read<std::uint8_t>(); }
    std::int16_t ReadInt16() { return Read<std::int16_t>(); }
    std::int32_t ReadInt32() { return Read<std::int32_t>(); }
    double ReadDouble() { return Read<double>(); }
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
