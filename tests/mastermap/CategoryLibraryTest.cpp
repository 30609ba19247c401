#include "mastermap/CategoryLibrary.h"
#include "mastermap/MasterSet.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using mastermap::CategoryLibrary;
using mastermap::MasterSet;

TEST(CategoryLibrary, ReadsTheTreeAndWritesItBackUnchanged) {
    CategoryLibrary lib;
    ASSERT_EQ(lib.Parse("# comment\nmajor 1 Water\nminor 1 Shoreline\nminor 3 Lakes\n\nmajor 7 Land\nminor "
                        "60 Land areas\n"),
              "");
    ASSERT_EQ(lib.Majors().size(), 2u);
    EXPECT_EQ(lib.Majors()[1].code, 7);
    EXPECT_EQ(lib.Majors()[1].minors[0].name, "Land areas");
    EXPECT_EQ(lib.Find(3)->major, 0);
    EXPECT_EQ(lib.Find(3)->minor, 1);
    EXPECT_FALSE(lib.Find(4));
    QTemporaryDir dir;
    ASSERT_EQ(lib.Write(dir.filePath("lib.dat")), "");
    CategoryLibrary again;
    ASSERT_EQ(again.Read(dir.filePath("lib.dat")), "");
    EXPECT_EQ(again.Text(), lib.Text());
}

TEST(CategoryLibrary, RefusesDuplicatesAndOutOfRangeCategoriesNamingTheLine) {
    CategoryLibrary lib;
    EXPECT_EQ(lib.Parse("major 1 A\nminor 1 x\nminor 1 y\n"), "line 3: map category 1 is used twice");
    EXPECT_TRUE(lib.Majors().empty());
    EXPECT_NE(lib.Parse("major 1 A\nminor 64 x\n"), "");
    EXPECT_NE(lib.Parse("minor 1 x\n"), "");
    EXPECT_NE(lib.Parse("major 1 A\nmajor 1 B\n"), "");
    EXPECT_NE(lib.Parse("major one A\n"), "");
}

TEST(MasterList, PathListSkipsBlankLinesAndMissingFiles) {
    QTemporaryDir dir;
    const QString list =
        testing_support::WriteFile(dir.filePath("UsedList.txt"), "/nowhere/a.at5\r\n\n  \n/nowhere/b.at5\n");
    EXPECT_EQ(MasterSet::ReadPathList(list), (QStringList{"/nowhere/a.at5", "/nowhere/b.at5"}));
    MasterSet set;
    set.OpenList(list);
    EXPECT_TRUE(set.Files().empty());
}
