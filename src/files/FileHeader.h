#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace files {

class ByteReader;
class ByteWriter;

// The header of a sectioned GPS data file: four counted 8-bit texts and the
// format version. The directory starts right after the version.
struct FileHeader {
    static constexpr std::int16_t WrittenVersion = -1;
    // A cartridge file begins with the byte 0x55 ("U") and a non-zero byte.
    static constexpr std::uint8_t CartridgeMark = 0x55;

    QByteArray text1; // path of the file when it was written
    QByteArray text2;
    QByteArray text3;
    QByteArray text4; // the data set's description
    std::int16_t version = WrittenVersion;

    // True when the first text marks a cartridge file; needs only text 1.
    bool IsCartridge() const;
    bool VersionSupported() const { return version < 0; }
    // True when texts 1 to 3 (the path and two texts written empty) are
    // text: no control bytes but TAB, CR, LF and zero bytes (padding). Any
    // file of ours, old or new, passes; other files almost never do. The
    // description (text 4) is the user's and is not judged.
    bool HoldsText() const;

    // Reads text 1 only (enough for the cartridge test); false past the end.
    bool ReadFirstText(ByteReader& in);
    // Reads texts 2 to 4 and the version; false past the end.
    bool ReadRest(ByteReader& in);
    void Write(ByteWriter& out) const;

    // Text 1 for a file written at `path`: at most 255 bytes, and never a
    // length that a reader would take for a cartridge mark.
    static QByteArray PathText(const QString& path);
    // A text cut to what one length byte can count.
    static QByteArray Counted(const QByteArray& text);
};

} // namespace files
