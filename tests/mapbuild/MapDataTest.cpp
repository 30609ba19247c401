#include "FakeCategories.h"

#include "carver/Carver.h"
#include "mapbuild/MapData.h"
#include "mapbuild/MapDetail.h"
#include "mapbuild/SettingsLineWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using mapbuild::MapData;

namespace {

class Detail : public mapbuild::MapDetail {
public:
    bool UseHighDetail() const override { return false; }
    bool DetailValid() const override { return valid; }
    bool valid = true;
};

class NoDrives : public mapbuild::OpticalDrives {
public:
    QStringList Roots() const override { return {}; }
};

class MapDefinition : public ::testing::Test {
protected:
    void AddBorder(bool closed, const QList<QPoint>& points) {
        carver.KAddPolyline(closed);
        for (const QPoint& p : points)
            carver.KAddPolyPoint(p.x(), p.y());
    }

    Carver carver;
    MapData map{carver};
};

TEST_F(MapDefinition, MapNameIsTheFileNameUpToItsFirstDot) {
    int named = 0;
    QObject::connect(&map, &MapData::NameChanged, [&] { ++named; });
    map.SetFileName(QStringLiteral("/home/ann/maps.d/Lake Trip.v2.nmp"));
    EXPECT_EQ(map.MapName(), QStringLiteral("Lake Trip"));
    EXPECT_EQ(named, 1);
}

TEST_F(MapDefinition, ChangedDefinitionForgetsTheBuiltMap) {
    map.ClearCartridge();
    map.SetCartridgeFileName(QStringLiteral("/tmp/built.at5"));
    map.DefinitionChanged();
    EXPECT_TRUE(map.Dirty());
    EXPECT_TRUE(map.CartridgeDirty());
    EXPECT_TRUE(map.CartridgeFileName().isEmpty());
}

TEST_F(MapDefinition, ClearMapRemovesBordersAndResetsTheLayers) {
    FakeCategories categories;
    map.SetCategorySource(&categories);
    AddBorder(true, {{1, 1}, {2, 2}, {3, 1}});
    map.SetHeaderText(QStringLiteral("Trip"));
    map.LayerOff(QStringLiteral("10"));
    categories.notices.clear();
    map.ClearMap();
    EXPECT_EQ(carver.KGetNumPolygons(), 0);
    EXPECT_TRUE(map.FileName().isEmpty());
    EXPECT_TRUE(map.HeaderText().isEmpty());
    EXPECT_FALSE(map.Dirty());
    EXPECT_EQ(map.LayersOffCount(), 0);
    EXPECT_TRUE(categories.notices.contains(QStringLiteral("major 0 1")));
    EXPECT_TRUE(categories.notices.contains(QStringLiteral("minor 0 1 1")));
}

TEST_F(MapDefinition, CartridgeFileLenIsTheBuiltFilesSize) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("m.at5"));
    map.SetCartridgeFileName(path);
    EXPECT_EQ(map.CartridgeFileLen(), 0);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("12345");
    f.close();
    EXPECT_EQ(map.CartridgeFileLen(), 5);
}

TEST_F(MapDefinition, SaveFileWritesBordersVertexByVertex) {
    AddBorder(true, {{-100, 200}, {300, 400}, {500, -600}});
    AddBorder(false, {{7, 8}});
    map.SetHeaderText(QStringLiteral("My map"));
    map.SetMapPath(QStringLiteral("/data/maps"));
    map.SetSavedMapPath(QStringLiteral("/saved.ncm"));
    mapbuild::SettingsLineWriter out;
    map.SaveFile(out, false);
    EXPECT_EQ(out.Bytes(), QByteArray("HeaderText My map\r\n"
                                      "MapPath /data/maps\r\n"
                                      "Polygon        0            True           3 \r\n"
                                      "Point          0            -100           200 \r\n"
                                      "Point          1             300           400 \r\n"
                                      "Point          2             500          -600 \r\n"
                                      "Polygon        1            False          1 \r\n"
                                      "Point          0             7             8 \r\n"));
    // The settings file's form has the saved map and no borders.
    mapbuild::SettingsLineWriter settings;
    map.SaveFile(settings, true);
    EXPECT_EQ(settings.Bytes(), QByteArray("HeaderText My map\r\nMapPath /data/maps\r\n"
                                           "SavedBinaryPath /saved.ncm\r\n"));
}

TEST_F(MapDefinition, MapOptionsAreTakenFromTheirLines) {
    EXPECT_TRUE(map.SetMapOption("MapPath", "MapPath /media/cd/My Maps"));
    EXPECT_TRUE(map.SetMapOption("MapPath", "MapPath"));
    EXPECT_EQ(map.MapPath(), QStringLiteral("/media/cd/My Maps"));
    EXPECT_TRUE(map.SetMapOption("SavedBinaryPath", "SavedBinaryPath /x.ncm"));
    EXPECT_EQ(map.SavedMapPath(), QStringLiteral("/x.ncm"));
    EXPECT_TRUE(map.SetMapOption("HeaderText", "HeaderText Lake  tour"));
    EXPECT_EQ(map.HeaderText(), QStringLiteral("Lake  tour"));
    EXPECT_TRUE(map.SetMapOption("LayerOff", "LayerOff (10:2)"));
    EXPECT_EQ(map.GetLayerOff(0), QStringLiteral("(10:2)"));
    EXPECT_TRUE(map.SetMapOption("MapSeries", "MapSeries  3 "));
    EXPECT_TRUE(map.SetMapOption("Library", "Library x True 1 2"));
    EXPECT_FALSE(map.SetMapOption("Unknown", "Unknown 1"));
}

TEST_F(MapDefinition, AreasUseVerticesZeroAndTwoOfClosedBorders) {
    AddBorder(true, {{0, 0}, {5, 5}, {1000, 2000}, {0, 9}});
    AddBorder(true, {{0, 0}, {1, 1}, {10, 10}});
    AddBorder(false, {{0, 0}, {1, 1}, {100000, 100000}});
    EXPECT_FLOAT_EQ(map.GetLargestPolygonArea(), 2000000.0f);
}

TEST_F(MapDefinition, TotalAreaCountsOnlyThePartInsideTheBox) {
    // From X -14000000 (clamped to -13898483) to -13000000, Y 3000000 to 3001000.
    AddBorder(true, {{-14000000, 3000000}, {0, 0}, {-13000000, 3001000}});
    EXPECT_FLOAT_EQ(map.GetUSTotalArea(), 898483.0f * 1000.0f);
}

// The used list goes to the master map when the detail choice is valid;
// without a master list there is none.
TEST_F(MapDefinition, UsedListIsHandedOnWhenDetailIsValid) {
    QTemporaryDir dir, lists;
    FakeCategories categories;
    Detail detail;
    NoDrives drives;
    map.SetCategorySource(&categories);
    map.SetDetail(&detail);
    map.SetDrives(&drives);
    map.SetListFolder(lists.path());
    map.SetMasterAt5ListPath(dir.path());
    EXPECT_FALSE(map.MakeUsedList());
    EXPECT_TRUE(categories.usedList.isEmpty());

    QFile list(QDir(dir.path()).filePath(QStringLiteral("MasterList.txt")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("A.at5\n");
    list.close();
    map.SetMasterAt5ListPath(dir.path());
    EXPECT_EQ(categories.usedList, QDir(lists.path()).filePath(QStringLiteral("UsedList.txt")));
    EXPECT_TRUE(QFile::exists(categories.usedList));
    EXPECT_TRUE(map.CDROMError());
    detail.valid = false;
    EXPECT_TRUE(map.MakeUsedList());
}

} // namespace
