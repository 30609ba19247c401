#pragma once

#include <QString>

namespace files {

// One line of a position list: latitude, longitude and an optional name,
// separated by blanks or TABs ("45.5 -122.25 Home", "45.5\t-122.25", or as
// exported "45.50000000, -122.25000000, Home").
struct PositionLine {
    double latitude = 0;
    double longitude = 0;
    QString name; // empty when the line has none

    // Runs of blanks and TABs separate the fields: the latitude is the number
    // the first field begins with, the longitude the number the second begins
    // with, and the name the rest of the line after the run that follows the
    // second field. Each number is read within its own field, so "90 180" is
    // two numbers, not one.
    static PositionLine Parse(const QString& line);
    // True for a line that holds nothing (such as the end of a file).
    static bool IsBlank(const QString& line) { return line.trimmed().isEmpty(); }

    bool InRange() const;
    // "#0.00000000" latitude, ", ", longitude, and ", " name when given. The
    // degrees are held to the legal range first: an internal position on the
    // date line or at a pole converts to a hair beyond it, and the line must
    // import again.
    static QString Format(double latitude, double longitude, const QString& name = QString());
};

} // namespace files
