#include "geo/PositionMasks.h"

#include "geo/PositionFormat.h"

#include <array>

namespace geo {

namespace {

struct MaskPair {
    const char16_t* latitude;
    const char16_t* longitude;
};

// Indexed by format - 2.
constexpr std::array<MaskPair, 4> Masks{{
    {u"##.########\u00B0", u"###.########\u00B0"},
    {u"##\u00B0##.###'", u"###\u00B0##.###'"},
    {u"##\u00B0##'##.#\"", u"###\u00B0##'##.#\""},
    {u"########", u"########"},
}};

const MaskPair* MasksOf(std::int32_t format) {
    if (format < PositionFormatDegrees || format > PositionFormatMercatorMeter)
        return nullptr;
    return &Masks[format - PositionFormatDegrees];
}

} // namespace

QString LatitudeMask(std::int32_t format) {
    const MaskPair* masks = MasksOf(format);
    return masks ? QString::fromUtf16(masks->latitude) : QString();
}

QString LongitudeMask(std::int32_t format) {
    const MaskPair* masks = MasksOf(format);
    return masks ? QString::fromUtf16(masks->longitude) : QString();
}

} // namespace geo
