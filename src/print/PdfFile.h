#pragma once

#include <QString>

#include <functional>

class QPdfWriter;

namespace print {

// A PDF document on US Letter paper, drawn through a temporary file in the
// target's folder that replaces the target only when the drawing succeeded:
// a failed or refused print leaves no partial file behind.
class PdfFile {
public:
    // `draw` paints the pages and returns an empty text, or why it failed.
    // Returns the failure, or an empty text once the file is in place.
    static QString Write(const QString& path, const std::function<QString(QPdfWriter&)>& draw);
};

} // namespace print
