#include "linkpod/UnitText.h"

namespace linkpod {

QByteArray UnitText::CutUtf8(QByteArray utf8, int maxBytes) {
    if (utf8.size() <= maxBytes)
        return utf8;
    qsizetype end = std::max(maxBytes, 0);
    // A continuation byte (10xxxxxx) cannot start a character: step back to
    // the first byte of the one the limit would split.
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end;
    utf8.truncate(end);
    return utf8;
}

QString UnitText::Cut(const QString& text, int maxBytes) {
    return QString::fromUtf8(CutUtf8(text.toUtf8(), maxBytes));
}

} // namespace linkpod
