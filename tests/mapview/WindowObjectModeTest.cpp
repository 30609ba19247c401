#include "RecordingBorderEngine.h"

#include "mapview/WindowObject.h"

#include <gtest/gtest.h>

using mapview::PointerKind;
using mapview::WindowObject;

namespace {

class MouseMode : public ::testing::Test {
protected:
    MouseMode() {
        QObject::connect(&window, &WindowObject::ModeChange, [this] { ++modeChanges; });
    }

    RecordingBorderEngine engine;
    WindowObject window{engine};
    int modeChanges = 0;
};

} // namespace

TEST_F(MouseMode, StartsInBorderModeAfterCentreMode) {
    EXPECT_EQ(window.Mode(), 1);
    EXPECT_EQ(window.OldMode(), 0);
    EXPECT_FALSE(window.CustomPointer());
}

TEST_F(MouseMode, WritingTheCurrentModeRaisesNothing) {
    window.SetMode(1);
    EXPECT_EQ(modeChanges, 0);
    EXPECT_EQ(window.OldMode(), 0);
}

TEST_F(MouseMode, EachModeShowsItsPointer) {
    window.SetMode(0);
    EXPECT_EQ(window.MapPicture.Pointer, PointerKind::CrossHair);
    EXPECT_FALSE(window.CustomPointer());
    const std::pair<int, PointerKind> custom[] = {{1, PointerKind::ArrowPoly},
                                                  {3, PointerKind::ArrowWpt},
                                                  {4, PointerKind::ArrowRte},
                                                  {5, PointerKind::ArrowIcn}};
    for (const auto& [mode, pointer] : custom) {
        window.SetMode(mode);
        EXPECT_EQ(window.MapPicture.Pointer, pointer) << mode;
        EXPECT_TRUE(window.CustomPointer()) << mode;
    }
    window.SetMode(6);
    EXPECT_EQ(window.MapPicture.Pointer, PointerKind::Default);
    EXPECT_FALSE(window.CustomPointer());
    EXPECT_EQ(modeChanges, 6);
}

TEST_F(MouseMode, PolylineStretchAndUnknownModesKeepThePointer) {
    window.SetMode(3);
    for (int mode : {2, 8, 42}) {
        window.SetMode(mode);
        EXPECT_EQ(window.MapPicture.Pointer, PointerKind::ArrowWpt) << mode;
        EXPECT_FALSE(window.CustomPointer()) << mode;
    }
}

TEST_F(MouseMode, ANewModeEmptiesTheToolTip) {
    window.MapPicture.ToolTipText = "Wpt 001*";
    window.SetMode(0);
    EXPECT_TRUE(window.MapPicture.ToolTipText.isEmpty());
}

TEST_F(MouseMode, RevertModeGoesBackAndForgetsTheOldMode) {
    window.SetMode(0);
    window.SetMode(8);
    EXPECT_EQ(window.OldMode(), 0);
    window.RevertMode();
    EXPECT_EQ(window.Mode(), 0);
    EXPECT_EQ(window.OldMode(), 0);
    EXPECT_EQ(modeChanges, 3);

    window.SetMode(5);
    window.ClearOldMode();
    window.RevertMode();
    EXPECT_EQ(window.Mode(), 5);
    EXPECT_EQ(modeChanges, 4);
}
