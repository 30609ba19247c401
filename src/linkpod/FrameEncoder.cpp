#include "linkpod/FrameEncoder.h"

#include "linkpod/Crc16.h"

namespace linkpod {

namespace {

void AppendStuffed(QByteArray& out, char byte) {
    if (byte == framing::Flag || byte == framing::Escape) {
        out.append(framing::Escape);
        out.append(static_cast<char>(byte ^ framing::EscapeXor));
    } else {
        out.append(byte);
    }
}

} // namespace

QByteArray EncodeFrame(const Frame& frame) {
    const QByteArray payload = frame.payload.left(framing::MaxPayload);
    QByteArray body;
    body.reserve(framing::HeaderSize + payload.size() + framing::CrcSize);
    body.append(static_cast<char>(frame.kind));
    body.append(static_cast<char>(frame.seq));
    body.append(static_cast<char>(frame.device & 0xFF));
    body.append(static_cast<char>(frame.device >> 8));
    body.append(static_cast<char>(payload.size() & 0xFF));
    body.append(static_cast<char>(payload.size() >> 8));
    body.append(payload);
    const std::uint16_t crc = Crc16(body);
    body.append(static_cast<char>(crc & 0xFF));
    body.append(static_cast<char>(crc >> 8));

    QByteArray out;
    out.reserve(body.size() + body.size() / 16 + 4);
    out.append(framing::Flag);
    for (const char c : body)
        AppendStuffed(out, c);
    out.append(framing::Flag);
    return out;
}

} // namespace linkpod
