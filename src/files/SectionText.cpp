#include "files/SectionText.h"

#include "files/ByteReader.h"
#include "files/ByteWriter.h"

#include <limits>

namespace files::SectionText {
QString ReadFixed(ByteReader& in, int width) {
    QByteArray bytes = in.ReadBytes(width);
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    while (bytes.endsWith(' '))
        bytes.chop(1);
    return QString::fromLatin1(bytes);
}

void WriteFixed(ByteWriter& out, const QString& text, int width) {
    out.WriteBytes(text.toLatin1().left(width).leftJustified(width, ' '));
}

std::optional<QString> ReadCounted(ByteReader& in) {
    const qint16 length = in.ReadInt16();
    if (length < 0)
        return std::nullopt;
    return QString::fromLatin1(in.ReadBytes(length));
}

void WriteCounted(ByteWriter& out, const QString& text) {
    const QByteArray bytes = CountedBytes(text);
    out.WriteInt16(static_cast<qint16>(bytes.size()));
    out.WriteBytes(bytes);
}

QByteArray CountedBytes(const QString& text) {
    return text.toLatin1().left(std::numeric_limits<qint16>::max());
}

} // namespace files::SectionText
