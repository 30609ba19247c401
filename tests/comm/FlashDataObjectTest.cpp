#include "comm/FlashDataObject.h"

#include <QList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/TestFiles.h"

using comm::FlashDataObject;

namespace {

QByteArray Image(int size, bool header) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + 3);
    if (header && size >= 2) {
        bytes[0] = char(0x55);
        bytes[1] = char(0xAA);
    }
    return bytes;
}

class MapImage : public ::testing::Test {
protected:
    FlashDataObject Load(const QByteArray& bytes) {
        FlashDataObject image;
        EXPECT_TRUE(image.LoadData(testing_support::WriteFile(dir.filePath("map.ncm"), bytes)));
        return image;
    }

    QTemporaryDir dir;
};

} // namespace

// The whole image in packets reaches the unit in MapToUnitTest; here, reads
// outside it and the marks.
TEST_F(MapImage, ReadsNothingOutsideTheFileAndOnlyAMarkedImageGivesMakerAndType) {
    const QByteArray bytes = Image(1000, true);
    FlashDataObject image = Load(bytes);
    ASSERT_EQ(image.DataLength(), 1000u);
    for (qint64 i : {qint64(-1), qint64(1000), qint64(1) << 40})
        EXPECT_EQ(image.DataByte(i), 0) << i;
    QByteArray buffer;
    EXPECT_EQ(image.GetPacket(buffer, 1000, 512), 0u);
    EXPECT_TRUE(buffer.isEmpty());
    EXPECT_EQ(image.GetPacket(buffer, 0xFFFFFFFFu, 0xFFFFFFFFu), 0u);
    char raw[4] = {};
    EXPECT_EQ(image.GetPacket(raw, 998, 4), 2u);
    EXPECT_EQ(raw[1], bytes[999]);

    EXPECT_FALSE(image.LoadData(dir.filePath("absent.ncm")));
    EXPECT_EQ(image.DataLength(), 0u);
    EXPECT_EQ(image.Manufacturer(), 0);

    // Only a marked image longer than 64 bytes gives its maker and data type.
    QByteArray wrongMark = Image(200, true);
    wrongMark[1] = char(0xAB);
    for (const QByteArray& unmarked : {Image(64, true), wrongMark, Image(200, false)}) {
        const FlashDataObject plain = Load(unmarked);
        EXPECT_EQ(plain.Manufacturer(), 0) << unmarked.size();
        EXPECT_EQ(plain.DataType(), 0) << unmarked.size();
    }
    const QByteArray marked = Image(65, true);
    const FlashDataObject shortest = Load(marked);
    EXPECT_EQ(shortest.Manufacturer(), quint8(marked[24]));
    EXPECT_EQ(shortest.DataType(), quint8(marked[25]));
    EXPECT_NE(shortest.Manufacturer(), 0);
}
