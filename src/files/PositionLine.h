#pragma once

#include <QString>

namespace files {

// One line of a position list: latitude, longitude and an optional name,
// separated by spaces ("45.5 -122.25 Home", or as exported
// "45.50000000, -122.25000000, Home").
struct PositionLine {
    double latitude = 0;
    double longitude = 0;
    QString name; // empty when the line has none

    // The latitude is the number before the first space, the longitude the
    // number after it, the name whatever follows the next space. Each number
    // is read up to its own space, so "90 180" is two numbers, not one.
    static PositionLine Parse(const QString& line);
    // True for a line that holds nothing (such as the end of a file).
    static bool IsBlank(const QString& line) { return line.trimmed().isEmpty(); }

    bool InRange() const;
    // "#0.00000000" latitude, ", ", longitude, and ", " name when given.
    static QString Format(double latitude, double longitude, const QString& name = QString());
};

} // namespace files
