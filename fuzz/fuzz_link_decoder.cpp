// Feeds arbitrary bytes to the unit link's frame decoder and every packet it
// finds to each record reader: none may crash, hang or allocate beyond the
// input's size.
#include "linkpod/FrameDecoder.h"
#include "linkpod/RecordCodec.h"

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
    return 0;
}
