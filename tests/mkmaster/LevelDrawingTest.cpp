#include "DetailLevelBuilder.h"

#include "WigglyAreas.h"
#include "mastermap/MasterFixtures.h"

#include "mastermap/DetailLevels.h"
#include "mastermap/MasterMapPainter.h"
#include "mastermap/MasterSet.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

using namespace mkmaster_testing;

namespace {

// Land either side of a wiggly border, a wiggly river across both, built
// with its levels into one folder and without them into another.
class LevelDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "tf_mkmaster_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv); // place names need fonts
    }
    void SetUp() override {
        mastermap::At5Writer writer;
        for (Feature& f : Neighbours(1000000, 500, 2000))
            writer.Add(std::move(f));
        std::vector<Point> river;
        for (Point p : WigglyBorder(1000000, 700, 2500))
            river.push_back({p.y - 500000, p.x + 500000});
        writer.Add(mastermap_testing::Line(1, river));
        full = dir.filePath(QStringLiteral("M.at5"));
        bare = dir.filePath(QStringLiteral("bare.at5"));
        ASSERT_EQ(writer.Write(full), QString());
        ASSERT_EQ(writer.Write(bare), QString());
        ASSERT_EQ(DetailLevelBuilder::Build(writer, full), QString());
        styles[1] = {9, 0, 0xFFFF, 1, 0};
        styles[60] = {0, 0, 0xFFFF, 0, 7};
        styles[61] = {0, 0, 0xFFFF, 2, 7};
    }

    // The map drawn at `unitsPerPixel` about (0, `middle`), by default the
    // border's middle; `features` the count of the level chosen.
    QImage Draw(const QString& path, double unitsPerPixel, std::int32_t middle = 500000,
                std::uint32_t* features = nullptr) {
        mastermap::MasterSet set;
        set.Open({path});
        if (features)
            *features = set.Levels(0).For(*set.Files()[0], unitsPerPixel).FeatureCount();
        QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        const double s = 1 / unitsPerPixel;
        const QTransform toDevice(s, 0, 0, -s, 200, 150 + middle * s);
        const mastermap::Rect view{static_cast<std::int32_t>(-200 * unitsPerPixel),
                                   static_cast<std::int32_t>(middle - 150 * unitsPerPixel),
                                   static_cast<std::int32_t>(200 * unitsPerPixel),
                                   static_cast<std::int32_t>(middle + 150 * unitsPerPixel)};
        mastermap::MasterMapPainter(set, styles).Draw(painter, view, toDevice);
        return image;
    }

    QTemporaryDir tmp;
    QDir dir{tmp.path()};
    QString full, bare;
    mastermap::CategoryStyles styles{};
};

// How many pixels of `a` find no pixel of nearly their colour in `b` within
// `reach` pixels. Nearly: a smoothed edge moved by part of a pixel changes
// how much of a pixel it covers, not which colour it shows.
int Unmatched(const QImage& a, const QImage& b, int reach) {
    const auto near = [](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) <=
               200;
    };
    int unmatched = 0;
    for (int y = reach; y < a.height() - reach; ++y)
        for (int x = reach; x < a.width() - reach; ++x) {
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx)
                    found = near(a.pixel(x, y), b.pixel(x + dx, y + dy));
            unmatched += !found;
        }
    return unmatched;
}

} // namespace

TEST_F(LevelDrawing, TheLevelChosenChangesWithTheScale) {
    mastermap::MasterSet set;
    set.Open({full});
    const mastermap::DetailLevels& levels = set.Levels(0);
    ASSERT_GE(levels.Count(), 3u);
    const mastermap::At5Reader& master = *set.Files()[0];
    EXPECT_EQ(&levels.For(master, 10), &master);
    const std::uint32_t first = levels.Tolerance(0);
    EXPECT_EQ(&levels.For(master, 2 * first), &levels.Level(0));
    EXPECT_EQ(&levels.For(master, 2 * levels.Tolerance(1)), &levels.Level(1));
    EXPECT_EQ(&levels.For(master, 1e9), &levels.Level(levels.Count() - 1));
    EXPECT_LT(levels.Level(1).ByteSize(), levels.Level(0).ByteSize());
}

// Where the two tints meet, a gap would let the white through and an overlap
// would darken.
TEST_F(LevelDrawing, ALevelDrawsWithinAPixelOfTheFullResolutionAndItsBorderShowsNoGap) {
    for (double unitsPerPixel : {250.0, 900.0, 3000.0}) {
        const QImage withLevels = Draw(full, unitsPerPixel);
        const QImage fullResolution = Draw(bare, unitsPerPixel);
        EXPECT_NE(withLevels, fullResolution) << unitsPerPixel;
        EXPECT_EQ(Unmatched(withLevels, fullResolution, 1), 0) << unitsPerPixel;
        EXPECT_EQ(Unmatched(fullResolution, withLevels, 1), 0) << unitsPerPixel;
        if (unitsPerPixel < 3000)
            continue;
        const QRgb west = withLevels.pixel(100, 50), east = withLevels.pixel(300, 50);
        ASSERT_NE(west, east);
        for (int y = 0; y < withLevels.height(); ++y) {
            if (std::abs(y - 150) < 6)
                continue;
            for (int x = 190; x <= 210; ++x)
                EXPECT_TRUE(withLevels.pixel(x, y) == west || withLevels.pixel(x, y) == east)
                    << x << "," << y;
        }
    }
}

// Levels leave out the places too small for a view of their scales to
// name: every view names the same places with levels as without.
TEST_F(LevelDrawing, AViewNamesTheSamePlacesWithLevelsAsWithout) {
    full = dir.filePath(QStringLiteral("P.at5"));
    bare = dir.filePath(QStringLiteral("Pbare.at5"));
    mastermap::At5Writer writer;
    QRandomGenerator random(3);
    const std::uint32_t ranks[] = {500, 20000, 80000, 300000, 2000000};
    for (int i = 0; i < 600; ++i)
        writer.Add(mastermap_testing::Place(50, random.bounded(-4000000, 4000000),
                                            random.bounded(-3000000, 3000000), "Place " + std::to_string(i),
                                            ranks[random.bounded(5)]));
    ASSERT_EQ(writer.Write(full), QString());
    ASSERT_EQ(writer.Write(bare), QString());
    ASSERT_EQ(DetailLevelBuilder::Build(writer, full), QString());
    for (const double unitsPerPixel : {800.0, 2500.0, 5000.0, 9000.0, 20000.0}) {
        std::uint32_t read = 0;
        const QImage withLevels = Draw(full, unitsPerPixel, 0, &read);
        EXPECT_EQ(withLevels, Draw(bare, unitsPerPixel, 0)) << unitsPerPixel;
        if (unitsPerPixel >= 9000) {
            EXPECT_LT(read, 300u) << "the cities alone are read at " << unitsPerPixel;
        }
    }
}
