#pragma once

#include <QByteArray>
#include <QString>

namespace linkpod {

// Texts as the unit keeps them: UTF-8, at most a number of bytes. A text that
// is too long loses its end, never half a character.
class UnitText {
public:
    static bool Fits(const QString& text, int maxBytes) { return text.toUtf8().size() <= maxBytes; }
    static QString Cut(const QString& text, int maxBytes);
    static QByteArray CutUtf8(QByteArray utf8, int maxBytes);
};

} // namespace linkpod
