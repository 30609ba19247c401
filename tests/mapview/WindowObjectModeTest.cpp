#include "RecordingBorderEngine.h"

#include "mapview/WindowObject.h"

#include <gtest/gtest.h>

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
