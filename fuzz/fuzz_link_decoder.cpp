// Feeds arbitrary bytes to the unit link's frame decoder and every packet it
// finds to each record reader, and the bytes as a ".usr" file (with and
// without a valid header and checksum): none may crash, hang or allocate
// beyond the input's size.
#include "linkpod/FrameDecoder.h"
#include "linkpod/RecordCodec.h"
#include "linkpod/UsrFormat.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace linkpod;
    FrameDecoder decoder;
    // Split the input in two feeds so state carried between calls is covered.
    const std::size_t half = size / 2;
    auto frames = decoder.Feed(QByteArrayView(reinterpret_cast<const char*>(data), half));
    auto rest = decoder.Feed(QByteArrayView(reinterpret_cast<const char*>(data) + half, size - half));
    frames.insert(frames.end(), rest.begin(), rest.end());
    // Raw input as a payload too: most payload bytes never pass a CRC.
    frames.push_back(
        Frame{0, 0, 0, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))});
    for (const Frame& f : frames) {
        {
            PayloadReader r(f.payload);
            codec::GetWaypoint(r);
            codec::GetRoute(r);
            codec::GetIcon(r);
            codec::GetTrailPoints(r);
        }
        {
            PayloadReader r(f.payload);
            codec::GetProductInfo(r);
            codec::GetUnitLimits(r);
            codec::GetMemoryStatus(r);
        }
        {
            PayloadReader r(f.payload);
            codec::GetFlashSection(r);
            codec::GetCardDirectory(r);
        }
    }
    const QByteArray raw(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    UserDataStore store;
    usr::Decode(raw, StoreCapacity{}, store);
    // The same bytes behind a good header and checksum reach the record lists.
    QByteArray file = usr::Magic() + QByteArray("\x01\x00\x00\x00\x00\x00", 6) + raw;
    const std::uint32_t crc = usr::Crc32(file);
    for (int i = 0; i < 4; ++i)
        file.append(static_cast<char>((crc >> (8 * i)) & 0xFF));
    usr::Decode(file, StoreCapacity{}, store);
    return 0;
}
