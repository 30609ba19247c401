#include "comm/FlashDataObject.h"
#include "comm/MapBlocks.h"

#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using comm::FlashDataObject;
using comm::MapBlocks;

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
        const QString path = dir.filePath("map.ncm");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        FlashDataObject image;
        EXPECT_TRUE(image.LoadData(path));
        return image;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(MapImage, LoadsTheWholeFile) {
    const QByteArray bytes = Image(1500, true);
    const FlashDataObject image = Load(bytes);
    ASSERT_EQ(image.DataLength(), 1500u);
    for (int i : {0, 1, 24, 777, 1499})
        EXPECT_EQ(image.DataByte(i), quint8(bytes[i])) << i;
}

TEST_F(MapImage, MissingFileIsRefusedAndLeavesNoImage) {
    FlashDataObject image = Load(Image(100, true));
    EXPECT_FALSE(image.LoadData(dir.filePath("absent.ncm")));
    EXPECT_EQ(image.DataLength(), 0u);
    EXPECT_EQ(image.Manufacturer(), 0);
}

TEST_F(MapImage, BytesOutsideTheImageReadAsZero) {
    const FlashDataObject image = Load(Image(10, false));
    EXPECT_EQ(image.DataByte(-1), 0);
    EXPECT_EQ(image.DataByte(10), 0);
    EXPECT_EQ(image.DataByte(qint64(1) << 40), 0);
}

TEST_F(MapImage, HeaderGivesMakerAndDataType) {
    const QByteArray bytes = Image(65, true);
    const FlashDataObject image = Load(bytes);
    EXPECT_EQ(image.Manufacturer(), quint8(bytes[24]));
    EXPECT_EQ(image.DataType(), quint8(bytes[25]));
    EXPECT_NE(image.Manufacturer(), 0);
}

TEST_F(MapImage, ShortOrUnmarkedImagesHaveNoHeader) {
    const FlashDataObject shortImage = Load(Image(64, true));
    EXPECT_EQ(shortImage.Manufacturer(), 0);
    EXPECT_EQ(shortImage.DataType(), 0);
    QByteArray wrongMark = Image(200, true);
    wrongMark[1] = char(0xAB);
    const FlashDataObject unmarked = Load(wrongMark);
    EXPECT_EQ(unmarked.Manufacturer(), 0);
    EXPECT_EQ(unmarked.DataType(), 0);
}

TEST_F(MapImage, PacketsAreCutAtTheEnd) {
    const QByteArray bytes = Image(1000, false);
    const FlashDataObject image = Load(bytes);
    QByteArray buffer;
    EXPECT_EQ(image.GetPacket(buffer, 990, 512), 10u);
    EXPECT_EQ(buffer, bytes.mid(990));
    EXPECT_EQ(image.GetPacket(buffer, 1000, 512), 0u);
    EXPECT_TRUE(buffer.isEmpty());
    EXPECT_EQ(image.GetPacket(buffer, 0xFFFFFFFFu, 0xFFFFFFFFu), 0u);
    char raw[4] = {};
    EXPECT_EQ(image.GetPacket(raw, 998, 4), 2u);
    EXPECT_EQ(raw[1], bytes[999]);
}

TEST_F(MapImage, ExactMultipleOf512GoesInWholeBlocks) {
    const QByteArray bytes = Image(512 * 3, true);
    const FlashDataObject image = Load(bytes);
    MapBlocks blocks(image);
    QByteArray sent;
    QList<quint32> addresses;
    while (auto block = blocks.Next()) {
        EXPECT_EQ(block->bytes.size(), 512);
        addresses << block->address;
        sent += block->bytes;
    }
    EXPECT_EQ(addresses, (QList<quint32>{0, 512, 1024}));
    EXPECT_EQ(sent, bytes);
}

TEST_F(MapImage, OneByteMoreNeedsALastBlockOfOneByte) {
    const QByteArray bytes = Image(512 * 2 + 1, true);
    const FlashDataObject image = Load(bytes);
    MapBlocks blocks(image);
    QList<int> sizes;
    QList<float> after;
    while (auto block = blocks.Next()) {
        sizes << block->bytes.size();
        after << block->percentAfter;
    }
    EXPECT_EQ(sizes, (QList<int>{512, 512, 1}));
    EXPECT_FLOAT_EQ(after.last(), 100.0f);
    blocks.Restart();
    const auto first = blocks.Next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->address, 0u);
    EXPECT_FLOAT_EQ(first->percentBefore, 0.0f);
}

TEST_F(MapImage, EmptyImageSendsNothing) {
    const FlashDataObject image = Load(QByteArray());
    MapBlocks blocks(image);
    EXPECT_FALSE(blocks.Next());
}
