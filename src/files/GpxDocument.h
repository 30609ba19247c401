#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace files {

// What a GPX file holds, as far as the data set can keep it. A GPX file is
// read completely into this form first, so a malformed file loads nothing.
struct GpxPoint {
    double latitude = 0;
    double longitude = 0;
    QString name;
    QString comment;     // cmt
    QString description; // desc
    QString symbolName;  // sym
    QDateTime time;      // invalid when the file gives none
    // Kept in our own extension element.
    std::optional<int> index;
    std::optional<int> symbol;
    std::optional<int> type;
    bool icon = false;
};

struct GpxRoute {
    QString name;
    std::optional<int> index;
    QList<GpxPoint> points;
};

struct GpxTrackPoint {
    double latitude = 0;
    double longitude = 0;
};

struct GpxTrack {
    QString name;
    std::optional<int> index;
    // One run of joined points per segment.
    QList<QList<GpxTrackPoint>> segments;
};

struct GpxDocument {
    QString description;
    QList<GpxPoint> waypoints; // icons included, marked as such
    QList<GpxRoute> routes;
    QList<GpxTrack> tracks;
};

// Our extension elements live in this namespace.
inline QString GpxExtensionNamespace() {
    return QStringLiteral("http://www.terrafold.org/xmlschemas/GpxExtensions/v1");
}

} // namespace files
