#pragma once

#include <QString>

#include <optional>

namespace files {

class ByteReader;
class ByteWriter;

// Texts inside sections are 8-bit (Latin-1): either a fixed-width field padded
// with spaces, or an Int16 length followed by that many bytes.
namespace SectionText {

// The field without what pads it (trailing spaces, and anything from the first
// zero byte on).
QString ReadFixed(ByteReader& in, int width);
void WriteFixed(ByteWriter& out, const QString& text, int width);

// None for a negative length (a damaged record); past the end reads as empty
// and leaves the reader past its end.
std::optional<QString> ReadCounted(ByteReader& in);
void WriteCounted(ByteWriter& out, const QString& text);
// The bytes of a counted text: Latin-1, cut to what an Int16 length counts.
QByteArray CountedBytes(const QString& text);

} // namespace SectionText
} // namespace files
