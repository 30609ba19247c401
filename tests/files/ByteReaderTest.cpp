#include "files/ByteReader.h"
#include "files/ByteWriter.h"
#include "files/FileHeader.h"

#include <gtest/gtest.h>

#include <limits>

using files::ByteReader;
using files::FileHeader;

// Running off the end, negative counts and seeks are met through whole files
// in SectionedReadTest; the map readers also hand the reader wide values,
// huge counts and offsets.
TEST(ByteReaderBounds, WideValuesAndHugeOffsetsFromMappedBytes) {
    QByteArray bytes;
    files::AppendLittleEndian<std::uint64_t>(bytes, 0x8877665544332211ull);
    files::AppendLittleEndian<std::uint32_t>(bytes, 0xF0000001u);
    ByteReader huge(bytes);
    EXPECT_TRUE(huge.ReadBytes(std::numeric_limits<qsizetype>::max()).isEmpty());
    EXPECT_TRUE(huge.PastEnd());
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

// A path of a cartridge mark's length is saved and read back in
// SectionedWriteTest; a longer one than the length byte counts is cut.
TEST(FileHeaderPath, APathIsNeverWrittenPastTheLengthByte) {
    EXPECT_EQ(FileHeader::PathText("/" + QString(400, 'x')).size(), 255);
}
