#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace geo {

// Checks the latitude and longitude entry texts of an editing window in the window's
// format, in a fixed order, and returns the message of the first check that fails, or
// an empty text when the position may be stored. Minutes and seconds are read at the
// character positions of the zero-padded mask texts. Format 5 and unknown formats
// have no checks.
QString ValidatePosition(std::int32_t format, QStringView latitudeText, QStringView longitudeText);

} // namespace geo
