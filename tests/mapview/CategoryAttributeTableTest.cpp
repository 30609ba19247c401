#include "RecordingBorderEngine.h"

#include "mapview/WindowObject.h"

#include <gtest/gtest.h>

#include <stdexcept>

using mapview::WindowObject;

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
