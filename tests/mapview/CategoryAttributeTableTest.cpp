#include "RecordingBorderEngine.h"

#include "mapview/WindowObject.h"

#include <gtest/gtest.h>

#include <stdexcept>

using mapview::CategoryAttributes;
using mapview::WindowObject;

TEST(CategoryAttributes, DefaultsAreSolidBlackLinesOverArea1) {
    RecordingBorderEngine engine;
    WindowObject window{engine};
    const CategoryAttributes plain{0, 0, 0xFFFF, 1, 0};
    for (int category : {0, 2, 5, 39, 63})
        EXPECT_EQ(window.CategoryToColors(category), plain) << category;
    EXPECT_EQ(window.CategoryToColors(1), (CategoryAttributes{9, 0, 0xFFFF, 1, 0}));
    EXPECT_EQ(window.CategoryToColors(3), (CategoryAttributes{0, 0, 0xFFFF, 1, 7}));
    EXPECT_EQ(window.CategoryToColors(4), (CategoryAttributes{8, 4, 0xAAAA, 1, 0}));
    EXPECT_EQ(window.CategoryToColors(16), (CategoryAttributes{0, 4, 0xF0F0, 1, 0}));
    EXPECT_EQ(window.CategoryToColors(27), (CategoryAttributes{0, 256, 0xFFFF, 1, 0}));
    EXPECT_EQ(window.CategoryToColors(40), (CategoryAttributes{4, 512, 0x8080, 1, 0}));
    EXPECT_EQ(window.CategoryToColors(41), (CategoryAttributes{8, 4, 0xFCFC, 1, 0}));
    EXPECT_EQ(window.CategoryToColors(60), (CategoryAttributes{0, 0, 0xFFFF, 0, 7}));
}

TEST(CategoryAttributes, ColourChangesAreAnnouncedBeforeTheyAreStored) {
    RecordingBorderEngine engine;
    WindowObject window{engine};
    QList<std::int32_t> seen;
    QObject::connect(&window, &WindowObject::Change, [&] { seen << window.CategoryToColors(5).LineColor; });
    window.SetLineColor(5, 0);
    EXPECT_TRUE(seen.isEmpty());
    window.SetLineColor(5, 12);
    window.SetAreaColor(5, 3);
    window.SetAreaColor(5, 3);
    EXPECT_EQ(seen, QList<std::int32_t>({0, 12}));
    EXPECT_EQ(window.CategoryToColors(5).LineColor, 12);
    EXPECT_EQ(window.CategoryToColors(5).AreaColor, 3);

    window.SetMapLinesColor(0);
    window.SetMapLinesColor(7);
    EXPECT_EQ(seen.size(), 3);
    EXPECT_EQ(window.MapLinesColor(), 7);
}

TEST(CategoryAttributes, CategoriesOutsideTheTableAreErrors) {
    RecordingBorderEngine engine;
    WindowObject window{engine};
    EXPECT_THROW(window.CategoryToColors(64), std::out_of_range);
    EXPECT_THROW(window.CategoryToColors(-1), std::out_of_range);
    EXPECT_THROW(window.SetLineColor(64, 1), std::out_of_range);
    EXPECT_THROW(window.SetAreaColor(-1, 1), std::out_of_range);
}
