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

TEST_F(MouseMode, WritingTheCurrentModeRaisesNothingAndANewModeEmptiesTheToolTip) {
    window.MapPicture.ToolTipText = "Wpt 001*";
    window.SetMode(window.Mode());
    EXPECT_EQ(modeChanges, 0);
    EXPECT_EQ(window.MapPicture.ToolTipText, "Wpt 001*");
    window.SetMode(0);
    EXPECT_TRUE(window.MapPicture.ToolTipText.isEmpty());
}

// The polyline and stretch modes (2, 8) and unknown ones keep the pointer
// they find, without a custom one.
TEST_F(MouseMode, EachModeShowsItsPointer) {
    struct Case {
        int mode;
        PointerKind pointer;
        bool custom;
    };
    const Case cases[] = {{0, PointerKind::CrossHair, false}, {1, PointerKind::ArrowPoly, true},
                          {3, PointerKind::ArrowWpt, true},   {2, PointerKind::ArrowWpt, false},
                          {8, PointerKind::ArrowWpt, false},  {42, PointerKind::ArrowWpt, false},
                          {4, PointerKind::ArrowRte, true},   {5, PointerKind::ArrowIcn, true},
                          {6, PointerKind::Default, false}};
    for (const Case& c : cases) {
        window.SetMode(c.mode);
        EXPECT_EQ(window.MapPicture.Pointer, c.pointer) << c.mode;
        EXPECT_EQ(window.CustomPointer(), c.custom) << c.mode;
    }
    EXPECT_EQ(modeChanges, 9);
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
