#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace linkpod {

// Reads what PayloadWriter wrote. Reading past the end never fails loudly: it
// yields zeros and empty texts and clears Ok(), so a caller checks once at the
// end whether the payload was whole.
class PayloadReader {
public:
    explicit PayloadReader(QByteArray data) : data_(std::move(data)) {}

    std::uint8_t U8();
    std::uint16_t U16();
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::uint32_t U32();
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    float F32();
    QString Text();
    QByteArray Bytes();
    QByteArray Raw(qsizetype count);

    // Marks the payload as malformed (a count that cannot be right, say).
    void Fail() {
        ok_ = false;
        pos_ = data_.size();
    }

    bool Ok() const { return ok_; }
    bool AtEnd() const { return pos_ == data_.size(); }
    qsizetype Remaining() const { return data_.size() - pos_; }
    // True when the payload was read whole and nothing is left over.
    bool Complete() const { return ok_ && AtEnd(); }

private:
    QByteArray data_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

} // namespace linkpod
