// Typed position texts: any bytes, split into a latitude and a longitude text, are
// checked and read in every format. Numeric errors are the documented outcome of a
// format 5 value beyond 32 bits; anything else (a crash, a hang) is a fault.
#include "geo/LeadingNumber.h"
#include "geo/NumericError.h"
#include "geo/PositionParse.h"
#include "geo/PositionValidation.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = text.indexOf(u'\n');
    const QString latitude = split < 0 ? text : text.first(split);
    const QString longitude = split < 0 ? QString() : text.sliced(split + 1);
    geo::LeadingNumber(text);
    for (std::int32_t format = 0; format <= 6; ++format) {
        geo::ValidatePosition(format, latitude, longitude);
        try {
            geo::ParseLatitude(latitude, true, format);
            geo::ParseLongitude(longitude, false, format);
        } catch (const geo::NumericError&) {
        }
    }
    return 0;
}
