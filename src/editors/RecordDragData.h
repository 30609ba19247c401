#pragma once

#include <QString>

#include <optional>

class QMimeData;

namespace editors {

// The private drag format of the editing windows: the text records of the
// dragged objects, joined with CR LF as on the clipboard. It carries the
// same texts between two running programs as within one.
class RecordDragData {
public:
    static QString MimeType() { return QStringLiteral("application/x-terrafold-records"); }

    // A new payload for a drag (the drag takes ownership).
    static QMimeData* Make(const QString& records);
    // The records carried, or none when the payload is not of this format.
    static std::optional<QString> Read(const QMimeData* mime);
};

} // namespace editors
