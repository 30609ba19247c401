#include "FakeCategories.h"

#include "carver/Carver.h"
#include "mapbuild/LayersOffList.h"
#include "mapbuild/MapData.h"

#include <gtest/gtest.h>

using mapbuild::MapData;

namespace {

class LayersOff : public ::testing::Test {
protected:
    void SetUp() override { map.SetCategorySource(&categories); }
    void AddBorder() {
        carver.KAddPolyline(1);
        carver.KAddPolyPoint(0, 0);
    }

    Carver carver;
    MapData map{carver};
    FakeCategories categories;
};

// Entries come back once each, in order, with their parentheses; identifiers
// that would break them are refused.
TEST_F(LayersOff, EntriesAreKeptOnceInOrderAndTheMasterMapIsToldWhichCategoryChanged) {
    for (const char* id : {"10:2", "10", "10", "1)(2", "", "20"})
        map.LayerOff(QString::fromLatin1(id));
    EXPECT_EQ(map.LayersOffCount(), 3);
    map.LayerOn(QStringLiteral("10:2"));
    EXPECT_EQ(map.GetLayerOff(0), QStringLiteral("(10)"));
    EXPECT_EQ(map.GetLayerOff(1), QStringLiteral("(20)"));
    EXPECT_EQ(map.GetLayerOff(2), QString());

    map.LayerOn(QStringLiteral("20"));
    map.LayerOn(QStringLiteral("10"));
    categories.notices.clear();
    map.LayerOff(QStringLiteral("20"));
    map.LayerOff(QStringLiteral("10:2"));
    map.LayerOn(QStringLiteral("10:2"));
    map.LayerOff(QStringLiteral("99"));
    EXPECT_EQ(categories.notices, (QStringList{"major 1 0", "minor 0 1 0", "minor 0 1 1"}));
}

// Without borders there is nothing to change; with them, the map and the
// built map are changed.
TEST_F(LayersOff, OnlyAMapWithBordersIsChangedAndClearingTheListRebuildsTheLayerTree) {
    map.LayerOff(QStringLiteral("10"));
    EXPECT_FALSE(map.Dirty());
    AddBorder();
    map.ClearCartridge();
    map.LayerOff(QStringLiteral("20"));
    EXPECT_TRUE(map.Dirty());
    EXPECT_TRUE(map.CartridgeDirty());

    FakeTree tree;
    map.SetLayerTree(&tree);
    map.LayerOff(QStringLiteral("10"));
    int refreshes = 0;
    QObject::connect(&map, &MapData::NeedRefresh, [&] { ++refreshes; });
    map.ClearLayersListOff();
    EXPECT_EQ(map.LayersOffCount(), 0);
    EXPECT_TRUE(map.CartridgeDirty());
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(tree.nodes, (QStringList{"10 Roads+", "10/10:1 Highways+", "10/10:2 Streets-", "20 Water-"}));
    EXPECT_EQ(tree.refreshed, 1);
}

} // namespace
