#include "FakeCategories.h"

#include "carver/Carver.h"
#include "mapbuild/MapData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using mapbuild::MapData;

namespace {

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

TEST_F(MapDefinition, MapNameIsTheFileNameUpToItsFirstDotAndAChangedDefinitionForgetsTheBuiltMap) {
    int named = 0;
    QObject::connect(&map, &MapData::NameChanged, [&] { ++named; });
    map.SetFileName(QStringLiteral("/home/ann/maps.d/Lake Trip.v2.nmp"));
    EXPECT_EQ(map.MapName(), QStringLiteral("Lake Trip"));
    EXPECT_EQ(named, 1);

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

TEST_F(MapDefinition, AreasUseVerticesZeroAndTwoOfClosedBordersAndTotalsOnlyThePartInsideTheBox) {
    AddBorder(true, {{0, 0}, {5, 5}, {1000, 2000}, {0, 9}});
    AddBorder(true, {{0, 0}, {1, 1}, {10, 10}});
    AddBorder(false, {{0, 0}, {1, 1}, {100000, 100000}});
    EXPECT_FLOAT_EQ(map.GetLargestPolygonArea(), 2000000.0f);

    // From X -14000000 (clamped to -13898483) to -13000000, Y 3000000 to 3001000.
    AddBorder(true, {{-14000000, 3000000}, {0, 0}, {-13000000, 3001000}});
    EXPECT_FLOAT_EQ(map.GetUSTotalArea(), 898483.0f * 1000.0f);
}

// The used list goes to the master map when the detail choice is valid;
// without a master list there is none.
TEST_F(MapDefinition, UsedListIsHandedOnWhenDetailIsValid) {
    QTemporaryDir dir, lists;
    FakeCategories categories;
    FakeDetail detail;
    detail.valid = true;
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
