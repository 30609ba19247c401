#include "files/FileHeader.h"

#include <gtest/gtest.h>

using files::FileHeader;

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
