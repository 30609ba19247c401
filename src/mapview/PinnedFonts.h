#pragma once

#include <QFont>
#include <QString>

namespace mapview {

// The program writes with the desktop's classic faces by default ("Courier
// New" for the names on the map). Those are drawn with their Liberation twins
// of the same widths, loaded from the twins' own files, so that a name takes
// the same pixels on every machine: neither a face of the classic name nor a
// look-alike that the machine's font configuration prefers changes them.
class PinnedFonts {
public:
    // The family `requested` is drawn with: its twin, or itself.
    static QString Family(const QString& requested);
    // A font of that family that ignores the machine's hinting settings.
    static QFont Font(const QString& requested);
    // Where the twins' files are read from (Debian's fonts-liberation2).
    static QString Folder();
};

} // namespace mapview
