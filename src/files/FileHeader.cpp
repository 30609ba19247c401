#include "files/FileHeader.h"

#include "files/ByteReader.h"
#include "files/ByteWriter.h"

#include <algorithm>

namespace files {
namespace {

QByteArray ReadCounted(ByteReader& in) {
    return in.ReadBytes(in.ReadByte());
}

void WriteCounted(ByteWriter& out, const QByteArray& text) {
    const QByteArray counted = FileHeader::Counted(text);
    out.WriteByte(static_cast<std::uint8_t>(counted.size()));
    out.WriteBytes(counted);
}

bool IsText(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x20 || c == '\0' || c == '\t' || c == '\r' || c == '\n';
    });
}

} // namespace

bool FileHeader::HoldsText() const {
    return IsText(text1) && IsText(text2) && IsText(text3);
}

bool FileHeader::IsCartridge() const {
    return text1.size() == CartridgeMark && text1.at(0) != '\0';
}

bool FileHeader::ReadFirstText(ByteReader& in) {
    text1 = ReadCounted(in);
    return !in.PastEnd();
}

bool FileHeader::ReadRest(ByteReader& in) {
    text2 = ReadCounted(in);
    text3 = ReadCounted(in);
    text4 = ReadCounted(in);
    version = in.ReadInt16();
    return !in.PastEnd();
}

void FileHeader::Write(ByteWriter& out) const {
    WriteCounted(out, text1);
    WriteCounted(out, text2);
    WriteCounted(out, text3);
    WriteCounted(out, text4);
    out.WriteInt16(version);
}

QByteArray FileHeader::PathText(const QString& path) {
    // Text 1 is never read back except for the cartridge test, so the full
    // path is kept in UTF-8 (paths may hold any character) and only shaped to
    // stay clear of that test: a path of exactly 85 bytes gets a trailing
    // zero byte, which no path contains.
    QByteArray text = Counted(path.toUtf8());
    if (text.size() == CartridgeMark)
        text.append('\0');
    return text;
}

QByteArray FileHeader::Counted(const QByteArray& text) {
    return text.left(255);
}

} // namespace files
