#include "RecordingBorderEngine.h"

#include "geo/GreatCircle.h"
#include "mapview/WindowObject.h"
#include "mapview/ZoomRangeList.h"

#include <gtest/gtest.h>

using mapview::WindowObject;
using mapview::ZoomRangeList;

namespace {

class ZoomBox : public ::testing::Test {
protected:
    ZoomBox() {
        window.MapPicture.Width = 900; // from about 0.56 to 10700 miles
        window.MapPicture.Height = 600;
    }
    QString SelectedText(const ZoomRangeList& list) const { return list.Entries.value(list.Selected); }

    RecordingBorderEngine engine;
    WindowObject window{engine};
};

} // namespace

TEST_F(ZoomBox, TheCurrentRangeStandsAmongThePresets) {
    window.SetZoomRange(7);
    const ZoomRangeList list = ZoomRangeList::Build(window);
    ASSERT_GE(list.Selected, 1);
    EXPECT_EQ(list.Entries.mid(list.Selected - 1, 3), QStringList({"8.0", "7.0", "6.0"}));
    EXPECT_EQ(SelectedText(list), "7.0");
    // A preset equal to the range is listed once.
    window.SetZoomRange(10);
    const ZoomRangeList ten = ZoomRangeList::Build(window);
    EXPECT_EQ(ten.Entries.count("10.0"), 1);
    EXPECT_EQ(ten.Entries.mid(ten.Selected - 1, 3), QStringList({"15.0", "10.0", "8.0"}));
}

TEST_F(ZoomBox, RangesBeyondThePresetsComeFirstOrLast) {
    window.SetZoomRange(9000);
    ZoomRangeList list = ZoomRangeList::Build(window);
    EXPECT_EQ(list.Selected, 0);
    EXPECT_EQ(list.Entries.first(), "9000.0");

    window.MapPicture.Width = 50; // finest view about 0.03 miles, so 0.1 is listed
    window.SetZoomRange(0.05);
    list = ZoomRangeList::Build(window);
    EXPECT_EQ(list.Selected, list.Entries.size() - 1);
    EXPECT_EQ(list.Entries.value(list.Entries.size() - 2), "0.1");
    EXPECT_EQ(SelectedText(list), "0.05");
}

TEST_F(ZoomBox, EntriesAreInTheDisplayUnit) {
    window.DistanceUnits = 2;
    window.SetZoomRange(7);
    const ZoomRangeList list = ZoomRangeList::Build(window);
    EXPECT_EQ(list.Entries.mid(list.Selected - 1, 3), QStringList({"15.0", "11.27", "10.0"}));
    EXPECT_EQ(window.FormatDistance(10), "16.09 km");
}

TEST_F(ZoomBox, ChoosingAnEntryLeavesTheWidestView) {
    window.SetZoomRange(1e6);
    ASSERT_TRUE(window.AtMaxZoom);
    window.DistanceUnits = 2;
    ZoomRangeList::Choose(window, "12.5");
    EXPECT_FALSE(window.AtMaxZoom);
    EXPECT_DOUBLE_EQ(window.ZoomRange(), 12.5 / geo::MetresPerMile * 1000);
}

TEST_F(ZoomBox, TypingAcceptsDigitsPointAndBackspaceOnly) {
    for (QChar key : {QChar('0'), QChar('9'), QChar('.'), QChar(8)})
        EXPECT_TRUE(ZoomRangeList::AcceptsKey(key)) << int(key.unicode());
    for (QChar key : {QChar('-'), QChar('e'), QChar(' '), QChar(0x0663)})
        EXPECT_FALSE(ZoomRangeList::AcceptsKey(key)) << int(key.unicode());
}
