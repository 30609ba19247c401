#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "files/FileHeader.h"

#include <gtest/gtest.h>

#include <limits>

using files::ByteReader;
using files::FileHeader;

// Values and their byte order are read and written through whole files in
// SectionedReadTest and SectionedWriteTest; these are the reader's bounds.
TEST(ByteReaderBounds, AReadRunningPastTheEndGivesZeroAndSticks) {
    const QByteArray three("\x01\x02\x03", 3);
    ByteReader in(three);
    EXPECT_EQ(in.ReadInt32(), 0);
    EXPECT_TRUE(in.PastEnd());
    // Nothing more can be read once past the end.
    EXPECT_EQ(in.ReadByte(), 0);
    EXPECT_EQ(in.Remaining(), 0);
}

TEST(ByteReaderBounds, NegativeAndHugeCountsAndSeeksBeyondTheEndReadNothing) {
    const QByteArray bytes(16, 'x');
    ByteReader in(bytes);
    EXPECT_TRUE(in.ReadBytes(-1).isEmpty());
    EXPECT_TRUE(in.PastEnd());
    ByteReader again(bytes);
    EXPECT_TRUE(again.ReadBytes(std::numeric_limits<qsizetype>::max()).isEmpty());
    EXPECT_TRUE(again.PastEnd());
    // A seek beyond the end makes the next read fail.
    ByteReader end(bytes);
    end.Seek(16);
    EXPECT_FALSE(end.PastEnd());
    end.ReadByte();
    EXPECT_TRUE(end.PastEnd());
    ByteReader negative(bytes);
    negative.Seek(-5);
    negative.ReadByte();
    EXPECT_TRUE(negative.PastEnd());
}

TEST(ByteReaderBounds, WideValuesAndHugeOffsetsFromMappedBytes) {
    QByteArray bytes;
    files::AppendLittleEndian<std::uint64_t>(bytes, 0x8877665544332211ull);
    files::AppendLittleEndian<std::uint32_t>(bytes, 0xF0000001u);
    ByteReader in(std::string_view(bytes.constData(), bytes.size()));
    EXPECT_TRUE(in.Has(12));
    EXPECT_FALSE(in.Has(13));
    EXPECT_EQ(in.Read<std::uint64_t>(), 0x8877665544332211ull);
    EXPECT_EQ(in.Read<std::uint32_t>(), 0xF0000001u);
    // An offset taken from damaged bytes may exceed what a signed size holds.
    in.Seek(~0ull);
    EXPECT_FALSE(in.Has(1));
    EXPECT_EQ(in.Read<std::uint16_t>(), 0);
    EXPECT_TRUE(in.PastEnd());
    EXPECT_FALSE(in.Has(0));
}

// The layout, the cartridge test and the version test are read and written
// through whole files in SectionedReadTest and SectionedWriteTest; what
// remains is the shaping of the path a writer stores.
TEST(FileHeaderPath, APathIsNeverWrittenAsACartridgeMarkNorPastTheLengthByte) {
    const QString path = "/" + QString(84, 'p');
    const QByteArray text = FileHeader::PathText(path);
    EXPECT_EQ(text.size(), 86);
    EXPECT_TRUE(text.startsWith(path.toUtf8()));
    FileHeader h;
    h.text1 = text;
    EXPECT_FALSE(h.IsCartridge());
    EXPECT_TRUE(h.HoldsText()) << "the zero byte added is no sign of a foreign file";
    EXPECT_EQ(FileHeader::PathText("/" + QString(400, 'x')).size(), 255);
}
