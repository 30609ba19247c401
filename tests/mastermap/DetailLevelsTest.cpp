#include "mastermap/DetailLevels.h"
#include "mastermap/DetailLevelWriter.h"
#include "mastermap/MasterFixtures.h"
#include "mastermap/MasterSet.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mastermap;
using namespace mastermap_testing;

namespace {

// A master map file of one square of category 1, with two levels whose
// squares carry categories 2 and 3, so that a query tells which was read.
class DetailLevelsFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Master(1).Write(path), QString());
        DetailLevelWriter levels;
        levels.Add(1000, Master(2));
        levels.Add(4000, Master(3));
        ASSERT_EQ(levels.Write(path), QString());
    }
    static At5Writer Master(std::uint8_t category, int squares = 1) {
        At5Writer w;
        for (int i = 0; i < squares; ++i)
            w.Add(Square(category, i * 100000, 0, 50000));
        return w;
    }
    static std::vector<int> Categories(const At5Reader& reader) {
        std::vector<int> out;
        reader.QueryViews({-1000000, -1000000, 1000000, 1000000},
                          [&](const FeatureView& f) { out.push_back(f.Category()); });
        return out;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("M.at5"));
};

} // namespace

TEST_F(DetailLevelsFile, LevelsAreReadBackAndChosenByScale) {
    MasterSet set;
    set.Open({path});
    ASSERT_EQ(set.Files().size(), 1u);
    const DetailLevels& levels = set.Levels(0);
    ASSERT_EQ(levels.Count(), 2u);
    EXPECT_EQ(levels.Tolerance(0), 1000u);
    EXPECT_EQ(levels.Tolerance(1), 4000u);
    const At5Reader& master = *set.Files()[0];
    EXPECT_EQ(Categories(levels.For(master, 1999)), std::vector<int>{1});
    EXPECT_EQ(Categories(levels.For(master, 2000)), std::vector<int>{2});
    EXPECT_EQ(Categories(levels.For(master, 7999)), std::vector<int>{2});
    EXPECT_EQ(Categories(levels.For(master, 8000)), std::vector<int>{3});
}

TEST_F(DetailLevelsFile, ReadersThatKnowNoLevelsStillReadTheFullMap) {
    // The cut reads the master map file through its set: always the full file.
    MasterSet set;
    set.Open({path});
    std::vector<Feature> cut;
    set.Query({-1000000, -1000000, 1000000, 1000000}, [&](const Feature& f) { cut.push_back(f); });
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].category, 1);
    At5Reader plain;
    ASSERT_EQ(plain.Open(path), QString());
    EXPECT_EQ(Categories(plain), std::vector<int>{1});
}

TEST_F(DetailLevelsFile, LevelsOfAnotherVersionOfTheMasterMapAreNotDrawn) {
    ASSERT_EQ(Master(1, 2).Write(path), QString());
    MasterSet set;
    set.Open({path});
    ASSERT_EQ(set.Files().size(), 1u);
    EXPECT_EQ(set.Levels(0).Count(), 0u);
    EXPECT_EQ(Categories(set.Levels(0).For(*set.Files()[0], 1e9)), (std::vector<int>{1, 1}));
}

TEST_F(DetailLevelsFile, ADamagedLevelFileGivesNoLevelsOrWholeOnes) {
    const QByteArray good = testing_support::ReadFile(DetailLevels::PathFor(path));
    const auto levelsOf = [&](const QByteArray& bytes) {
        testing_support::WriteFile(DetailLevels::PathFor(path), bytes);
        MasterSet set;
        set.Open({path});
        // Whatever the bytes, a level read is whole and a query of it is safe.
        for (std::size_t i = 0; i < set.Levels(0).Count(); ++i)
            Categories(set.Levels(0).Level(i));
        return set.Levels(0).Count();
    };
    for (qsizetype size = 0; size < good.size(); size += 7)
        EXPECT_EQ(levelsOf(good.left(size)), 0u) << size;
    for (qsizetype at = 0; at < good.size(); at += 3) {
        QByteArray bad = good;
        bad[at] = static_cast<char>(bad[at] ^ 0x5A);
        levelsOf(bad);
    }
    EXPECT_EQ(levelsOf(good), 2u);
}
