#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace linkpod {

// Builds little-endian payloads for the unit link and for ".usr" files.
// Texts are UTF-8 with a 16-bit byte count in front.
class PayloadWriter {
public:
    PayloadWriter& U8(std::uint8_t v);
    PayloadWriter& U16(std::uint16_t v);
    PayloadWriter& I16(std::int16_t v) { return U16(static_cast<std::uint16_t>(v)); }
    PayloadWriter& U32(std::uint32_t v);
    PayloadWriter& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
    PayloadWriter& F32(float v);
    PayloadWriter& Text(const QString& text);
    PayloadWriter& Bytes(const QByteArray& bytes);
    PayloadWriter& Raw(const QByteArray& bytes);

    const QByteArray& Data() const { return data_; }

private:
    QByteArray data_;
};

} // namespace linkpod
