#include "gpsdata/ProductTable.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

using gpsdata::ProductTable;

namespace {

ProductTable Read(const QString& text) {
    ProductTable table;
    QString copy = text;
    QTextStream in(&copy);
    table.Read(in);
    return table;
}

} // namespace

TEST(ProductTable, KeysEndAtASpaceOrTheEqualsSign) {
    const ProductTable table = Read("[Unit]\nID=12\nRouteWpts = 500\ndeltas=1000\n");
    const gpsdata::GPSUnit* unit = table.Find(12);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->RouteWaypoints, 500);
    EXPECT_EQ(unit->TrailDeltas, 1000);
}

TEST(ProductTable, ProductMinusOneIsAlwaysThere) {
    const ProductTable table;
    const gpsdata::GPSUnit* none = table.Find(-1);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->RouteWaypoints, 2000);
    EXPECT_EQ(none->TrailDeltas, 3000);
    EXPECT_EQ(none->CurrentSoftwareVersion, 0);
    EXPECT_EQ(none->UpdatePostfix, "");
    EXPECT_EQ(table.Find(12), nullptr);
}

TEST(ProductTable, MissingValuesTakeTheDefaultsAndUnknownKeysAreIgnored) {
    const ProductTable table = Read("junk before\n[A]\nid=5\ncolour=red\nversion=2.5\nupdate=  Ab C \n\n"
                                    "[B]\nid=6\n");
    ASSERT_NE(table.Find(5), nullptr);
    EXPECT_EQ(table.Find(5)->RouteWaypoints, 2000);
    EXPECT_FLOAT_EQ(table.Find(5)->CurrentSoftwareVersion, 2.5f);
    EXPECT_EQ(table.Find(5)->UpdatePostfix, "ab c");
    ASSERT_NE(table.Find(6), nullptr);
    EXPECT_EQ(table.Count(), 3);
}

TEST(ProductTable, AnEmptyLineEndsTheSection) {
    const ProductTable table = Read("[A]\nid=5\n\nroutewpts=10\n[B]\nid=6\nroutewpts=20\n");
    EXPECT_EQ(table.Find(5)->RouteWaypoints, 2000);
    EXPECT_EQ(table.Find(6)->RouteWaypoints, 20);
}

TEST(ProductTable, AHeaderWithoutABlankLineStillStartsANewProduct) {
    const ProductTable table = Read("[A]\r\nid=5\r\nroutewpts=10\r\n[B]\r\nid=6\r\n");
    EXPECT_EQ(table.Find(5)->RouteWaypoints, 10);
    EXPECT_EQ(table.Find(6)->RouteWaypoints, 2000);
}

TEST(ProductTable, SectionsWithoutAnIdOrWithWildNumbersAreHarmless) {
    const ProductTable table =
        Read("[A]\nroutewpts=10\n\n[B]\nid=99999\n\n[C]\nid=7\nroutewpts=1e400\ndeltas=-x\n");
    EXPECT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Find(0), nullptr);
    ASSERT_NE(table.Find(7), nullptr);
    EXPECT_EQ(table.Find(7)->RouteWaypoints, 2000);
    EXPECT_EQ(table.Find(7)->TrailDeltas, 0);
}

TEST(ProductTable, LoadsFromTheDataFolderOrTheFile) {
    ProductTable fromFolder;
    fromFolder.Load(TF_SOURCE_DIR "/share");
    EXPECT_GT(fromFolder.Count(), 1);
    ProductTable fromFile;
    fromFile.Load(TF_SOURCE_DIR "/share/GPS.INI");
    EXPECT_EQ(fromFile.Count(), fromFolder.Count());
}

TEST(ProductTable, MissingOrBinaryFileLeavesOnlyTheDefault) {
    QTemporaryDir dir;
    ProductTable missing;
    missing.Load(dir.path());
    EXPECT_EQ(missing.Count(), 1);

    QFile file(dir.filePath("GPS.INI"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(static_cast<char>((i * 73) % 256));
    file.write(bytes);
    file.close();
    ProductTable binary;
    binary.Load(dir.path());
    EXPECT_NE(binary.Find(-1), nullptr);
}
