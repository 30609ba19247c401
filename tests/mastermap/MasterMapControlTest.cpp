#include "MasterFixtures.h"
#include "support/TestFiles.h"

#include "mastermap/At5Writer.h"
#include "mastermap/MasterMapControl.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mastermap;
using namespace mastermap_testing;

namespace {

// A library of three major categories; the used files hold features of
// categories 1, 3 and 10 only, so "Land" is not in use.
class Control : public ::testing::Test {
protected:
    void SetUp() override {
        const QString lib = testing_support::WriteFile(
            dir.filePath("MasterDefinitionLibrary.dat"),
            "major 1 Water\nminor 1 Shoreline\nminor 3 Lakes\nmajor 2 Boundaries\nminor 10 States\n"
            "minor 4 Counties\nmajor 3 Land\nminor 60 Land areas\n");
        At5Writer w;
        w.Add(Line(1, {{0, 0}, {100, 100}}));
        w.Add(Square(3, 0, 0, 50));
        w.Add(Square(10, 0, 0, 500));
        ASSERT_EQ(w.Write(dir.filePath("A.at5")), "");
        ASSERT_EQ(control.ReadLibrary(lib), "");
        control.SetUsedList(testing_support::WriteFile(
            dir.filePath("UsedList.txt"),
            (dir.filePath("A.at5") + "\n" + dir.filePath("Missing.at5") + "\n").toUtf8()));
    }
    QTemporaryDir dir;
    MasterMapControl control;
};

TEST_F(Control, ReportsTheTreeWithTheCategoriesInUse) {
    ASSERT_EQ(control.MajorCount(), 3);
    EXPECT_EQ(control.Major(1).minorCount, 2);
    EXPECT_EQ(control.Major(1).code, 2);
    EXPECT_TRUE(control.Major(0).inUse);
    EXPECT_FALSE(control.Major(2).inUse);
    EXPECT_EQ(control.MajorName(2), "Land");
    EXPECT_EQ(control.Minor(1, 1).name, "Counties");
    EXPECT_EQ(control.Minor(1, 1).category, 4);
    EXPECT_EQ(control.Files().Files().size(), 1u); // the missing file is left out
}

TEST_F(Control, LayerSelectionNamesSelectedMajorsWithTheirSelectedMinors) {
    EXPECT_EQ(control.LayerSelection(), "1,1,3;2,10,4;");
    control.SetLayer("1:3", false);
    control.SetLayer("2", false);
    EXPECT_EQ(control.LayerSelection(), "1,1;");
    EXPECT_EQ(control.SelectedCategories(), 1ull << 1);
    control.ResetLayers();
    EXPECT_EQ(control.LayerSelection(), "1,1,3;2,10,4;");
    for (int i = 0; i < control.MajorCount(); ++i)
        control.SetMajorState(i, false);
    EXPECT_EQ(control.LayerSelection(), "");
    EXPECT_EQ(control.SelectedCategories(), 0u);
}

TEST_F(Control, OutOfRangeAndUnknownLayersAreHarmless) {
    control.SetMajorState(7, false);
    control.SetMinorState(0, 9, false);
    control.SetLayer("2:60", false); // 60 is not under major 2
    control.SetLayer("x:y", false);
    control.SetLayer("", false);
    EXPECT_EQ(control.Major(-1).minorCount, 0);
    EXPECT_EQ(control.Minor(0, 5).name, "");
    EXPECT_EQ(control.LayerSelection(), "1,1,3;2,10,4;");
}

} // namespace
