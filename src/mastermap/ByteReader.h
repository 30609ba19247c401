#pragma once

#include <QtEndian>

#include <cstdint>
#include <cstring>
#include <string_view>

namespace mastermap {

// Bounds-checked little-endian reads from a byte range that may hold anything.
// A read past the end sets Failed and returns 0; later reads keep failing.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    template <typename T> T Read() {
        if (failed_ || bytes_.size() - pos_ < sizeof(T)) {
            failed_ = true;
            return T{};
        }
        T value;
        std::memcpy(&value, bytes_.data() + pos_, sizeof(T));
        pos_ += sizeof(T);
        return qFromLittleEndian(value);
    }

    bool Has(std::uint64_t count) const { return !failed_ && bytes_.size() - pos_ >= count; }
    void Seek(std::uint64_t pos) {
        if (pos > bytes_.size())
            failed_ = true;
        else
            pos_ = static_cast<std::size_t>(pos);
    }
    std::size_t Position() const { return pos_; }
    bool Failed() const { return failed_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

// Little-endian appends to a byte buffer.
template <typename T> void AppendLE(QByteArray& out, T value) {
    const T le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), sizeof(T));
}

} // namespace mastermap
