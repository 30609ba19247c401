#include "mapbuild/FlashSectionList.h"

#include <gtest/gtest.h>

using mapbuild::FlashSectionList;

namespace {

constexpr quint32 MB = 1048576;

// Partitions 0, 1, 2 (1, 2 and 4 MB), then 4 and 5 (3 MB each): partition 3
// was left out of the list, so there are two runs.
FlashSectionList TwoRuns() {
    FlashSectionList list;
    const std::pair<quint16, quint32> parts[] = {{0, MB}, {1, 2 * MB}, {2, 4 * MB}, {4, 3 * MB}, {5, 3 * MB}};
    for (const auto& [number, size] : parts)
        list.AddFlashSection(number, 0, 0, size, 0, 0, QString(), 0);
    return list;
}

} // namespace

TEST(FlashSections, RunsEndWhereAPartitionIsMissingAndDeletingOneSplitsItsRun) {
    FlashSectionList list = TwoRuns();
    EXPECT_EQ(list.BegContiguousFlashIndex(2), 0);
    EXPECT_EQ(list.EndContiguousFlashIndex(0), 2);
    EXPECT_EQ(list.BegContiguousFlashIndex(4), 3);
    EXPECT_EQ(list.EndContiguousFlashIndex(3), 4);
    EXPECT_EQ(list.ContiguousFlashSize(1), 6 * MB);
    EXPECT_EQ(list.ContiguousFlashSize(4), 3 * MB);
    EXPECT_EQ(list.MaxContiguousFlashSize(), 7 * MB);
    EXPECT_EQ(list.ContiguousFlashSize(5), 0);
    EXPECT_EQ(list.EndContiguousFlashIndex(-1), -1);

    list.DeleteFlashSection(1);
    EXPECT_EQ(list.CountFlashSections(), 4);
    EXPECT_EQ(list.ContiguousFlashSize(0), MB);
    EXPECT_EQ(list.MaxContiguousFlashSize(), 6 * MB);
    list.DeleteFlashSections();
    EXPECT_EQ(list.MaxContiguousFlashSize(), 0);
}

TEST(FlashSections, DataSuitsEmptyPartitionsAndPartitionsOfItsKind) {
    FlashSectionList list;
    list.AddFlashSection(0, 0, 0, MB, 0, 0, QString(), 0);
    list.AddFlashSection(1, 1, 0, MB, 0, 0, QStringLiteral("Lakes"), 0x5402);
    list.AddFlashSection(2, 1, 0, MB, 0, 0, QStringLiteral("Other"), 0x4101);
    EXPECT_TRUE(list.FlashDataCompatible(0, 0x54, 0x02));
    EXPECT_TRUE(list.FlashDataCompatible(1, 0x54, 0x02));
    EXPECT_FALSE(list.FlashDataCompatible(2, 0x54, 0x02));
    EXPECT_FALSE(list.FlashDataCompatible(0, 0, 0)); // no map header
    EXPECT_FALSE(list.FlashDataCompatible(3, 0x54, 0x02));
}
