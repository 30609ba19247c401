#include "files/FileHeader.h"
#include "files/ByteReader.h"
#include "files/ByteWriter.h"

#include <gtest/gtest.h>

using files::ByteReader;
using files::ByteWriter;
using files::FileHeader;

TEST(FileHeaderLayout, WritesFourCountedTextsAndTheVersion) {
    FileHeader h;
    h.text1 = "C:\\a.nrv";
    h.text4 = "Trip";
    ByteWriter out;
    h.Write(out);
    EXPECT_EQ(out.Bytes(), QByteArray("\x08"
                                      "C:\\a.nrv"
                                      "\x00\x00\x04"
                                      "Trip"
                                      "\xff\xff",
                                      1 + 8 + 2 + 1 + 4 + 2));
    ByteReader in(out.Bytes());
    FileHeader back;
    ASSERT_TRUE(back.ReadFirstText(in));
    ASSERT_TRUE(back.ReadRest(in));
    EXPECT_EQ(back.text1, h.text1);
    EXPECT_EQ(back.text4, "Trip");
    EXPECT_EQ(back.version, -1);
    EXPECT_TRUE(back.VersionSupported());
}

TEST(FileHeaderLayout, ATruncatedHeaderIsReportedAsUnreadable) {
    const QByteArray bytes("\x03"
                           "ab",
                           3);
    ByteReader in(bytes);
    FileHeader h;
    EXPECT_FALSE(h.ReadFirstText(in));
}

TEST(FileHeaderCartridge, EightyFiveBytesStartingNonZeroMarkACartridge) {
    FileHeader h;
    h.text1 = QByteArray(85, 'A');
    EXPECT_TRUE(h.IsCartridge());
    h.text1[0] = '\0';
    EXPECT_FALSE(h.IsCartridge());
    h.text1 = QByteArray(84, 'A');
    EXPECT_FALSE(h.IsCartridge());
}

TEST(FileHeaderCartridge, AnEightyFiveBytePathIsNeverWrittenAsACartridgeMark) {
    const QString path = "/" + QString(84, 'p');
    const QByteArray text = FileHeader::PathText(path);
    EXPECT_EQ(text.size(), 86);
    EXPECT_TRUE(text.startsWith(path.toUtf8()));
    FileHeader h;
    h.text1 = text;
    EXPECT_FALSE(h.IsCartridge());
}

TEST(FileHeaderCartridge, LongPathsAreCutToWhatTheLengthByteCounts) {
    EXPECT_EQ(FileHeader::PathText("/" + QString(400, 'x')).size(), 255);
}

TEST(FileHeaderVersion, ZeroAndPositiveVersionsAreNotSupported) {
    FileHeader h;
    for (int v : {0, 1, 32767})
        EXPECT_FALSE((h.version = v, h.VersionSupported())) << v;
    for (int v : {-1, -2, -32768})
        EXPECT_TRUE((h.version = v, h.VersionSupported())) << v;
}
