#pragma once

#include <QStringView>

#include <cstdint>

namespace geo {

// Degrees from the entry text of an editing window in the window's position format,
// signed by its hemisphere button (isNorth / isEast: the button shows "N" / "E").
// Unreadable text reads as 0 and an unknown format gives 0; the fields are read at the
// character positions of the masks, so the texts should have been checked by
// ValidatePosition first. In format 5 the text is an internal value: one beyond
// 32 bits throws NumericError.
double ParseLatitude(QStringView text, bool isNorth, std::int32_t format);
double ParseLongitude(QStringView text, bool isEast, std::int32_t format);

// The n characters of text from the 1-based position start, as few as there are.
QStringView MidText(QStringView text, qsizetype start, qsizetype n);

} // namespace geo
