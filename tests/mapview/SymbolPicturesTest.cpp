#include "mapview/MapSymbolTable.h"

#include <gtest/gtest.h>

using mapview::MapSymbolTable;

TEST(MapSymbols, LookupTakesTheFirstShieldWideEnoughOrFallsBackAndNumbersParseStrictly) {
    MapSymbolTable table;
    struct Case {
        int symbolClass, type, number, record;
    };
    const Case cases[] = {
        {3, 16, 50, 1},
        {3, 16, 99, 1},
        {3, 16, 100, 2},
        {3, 20, 1000, 12},
        {4, 63, 0, 39},
        // Too long for the widest shield: shown divided by ten; 1234.5 rounds to the even 1234.
        {3, 19, 12345, 9},
        {3, 19, 99994, 9},
        {3, 19, 2000000000, 9},
        // Shields without room fall back to the box.
        {3, 16, 5000, 9},
        {3, 77, 5, 7},
        {3, 25, 500, 16},
        // Unknown features, and points (which show no number), get the generic point.
        {4, 999, 0, 54},
        {4, 1, 5, 54},
        {7, 16, 0, 54}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.symbolClass << " " << c.type << " " << c.number);
        EXPECT_EQ(&table.GetSymbolPicture(c.symbolClass, c.type, c.number), &table.Record(c.record));
    }
    EXPECT_EQ(table.Record(54).SymbolType, 105);
    EXPECT_THROW(table.Record(0), std::out_of_range);
    EXPECT_THROW(table.Record(61), std::out_of_range);
    // Number texts allow runs of spaces and reject anything else.
    const auto numbers = MapSymbolTable::ParseNumbers("  4   105 0 4  4 4   12 ");
    ASSERT_TRUE(numbers);
    EXPECT_EQ(*numbers, (std::array<int, 7>{4, 105, 0, 4, 4, 4, 12}));
    EXPECT_FALSE(MapSymbolTable::ParseNumbers("4 105 0 4 4 4"));
    EXPECT_FALSE(MapSymbolTable::ParseNumbers("4 105 0 4 4 4 12 1"));
    EXPECT_FALSE(MapSymbolTable::ParseNumbers("4 105 0 4 x 4 12"));
    EXPECT_FALSE(MapSymbolTable::ParseNumbers(""));
}
