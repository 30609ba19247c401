#include "MasterFixtures.h"

#include "mastermap/At5Writer.h"
#include "mastermap/MasterMapPainter.h"
#include "mastermap/PlaceLabels.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mastermap;
using namespace mastermap_testing;

namespace {

// Labels on a 300 x 100 picture. Whatever the font's exact widths, names a
// few pixels apart collide and a name cannot fit in a picture narrower than it.
class Labels : public ::testing::Test {
protected:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "tf_mastermap_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv);
        image.fill(Qt::white);
    }
    std::vector<std::string> Draw(const std::vector<std::pair<Feature, QPointF>>& places, QRectF area = {}) {
        QPainter painter(&image);
        PlaceNameCache names;
        PlaceLabels labels(QFont(QStringLiteral("Sans")), names);
        for (const auto& [place, at] : places)
            labels.Add(place, at, Qt::black);
        return labels.Draw(painter, area.isEmpty() ? QRectF(image.rect()) : area);
    }
    bool Inked(int x0, int x1) const {
        for (int x = x0; x < x1; ++x)
            for (int y = 0; y < image.height(); ++y)
                if (QColor(image.pixel(x, y)).lightness() < 128)
                    return true;
        return false;
    }
    QImage image{300, 100, QImage::Format_RGB32};
};

TEST_F(Labels, TheLargerPlaceIsNamedAndTheSmallerBesideItIsLeftOut) {
    const auto drawn = Draw({{Place(50, 0, 0, "Smallville", 2000), {100, 50}},
                             {Place(50, 0, 0, "Big City", 2000000), {101, 51}},
                             {Place(50, 0, 0, "Midtown", 50000), {100, 20}}});
    EXPECT_EQ(drawn, (std::vector<std::string>{"Big City", "Midtown"}));
}

TEST_F(Labels, APlaceWhoseNameFitsNowhereIsNotDrawnAtAll) {
    const auto drawn =
        Draw({{Place(50, 0, 0, "Llanfairpwllgwyngyll", 3000), {150, 50}}}, QRectF(140, 0, 20, 100));
    EXPECT_TRUE(drawn.empty());
    EXPECT_FALSE(Inked(0, 300)) << "neither its name nor its dot";
    // Places outside the picture are not named either.
    EXPECT_TRUE(Draw({{Place(50, 0, 0, "Away", 3000), {400, 50}}}).empty());
}

// The master map names a town of 20,000 in a close view, not in a wide one
// where the cities' names want the room.
TEST_F(Labels, AWideViewNamesTheCitiesOnlyAndACloseOneTheTownsToo) {
    QTemporaryDir dir;
    At5Writer w;
    w.Add(Place(50, 1000000, 1000000, "Townsville", 20000));
    ASSERT_EQ(w.Write(dir.filePath("places.at5")), "");
    MasterSet set;
    set.Open({dir.filePath("places.at5")});
    const CategoryStyles styles{};
    const auto named = [&](double unitsPerPixel) {
        image.fill(Qt::white);
        QPainter painter(&image);
        // The town at pixel (100, 50).
        const double left = 1000000 - 100 * unitsPerPixel, top = 1000000 + 50 * unitsPerPixel;
        MasterMapPainter(set, styles)
            .Draw(painter,
                  {static_cast<std::int32_t>(left), static_cast<std::int32_t>(top - 100 * unitsPerPixel),
                   static_cast<std::int32_t>(left + 300 * unitsPerPixel), static_cast<std::int32_t>(top)},
                  QTransform(1 / unitsPerPixel, 0, 0, -1 / unitsPerPixel, -left / unitsPerPixel,
                             top / unitsPerPixel));
        painter.end();
        return Inked(0, 300);
    };
    EXPECT_TRUE(named(1000));
    EXPECT_FALSE(named(8000));
}

// A name is kept as a picture between drawings; on a screen of two device
// pixels a point it is drawn at that density, as large as on any other.
TEST_F(Labels, KeptNamesAreAsLargeAtAnyPixelRatio) {
    PlaceNameCache names;
    const auto inkedBox = [&](double ratio) {
        QImage picture(QSize(300, 100) * ratio, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        const Feature springfield = Place(50, 0, 0, "Springfield", 300000);
        for (int twice = 0; twice < 2; ++twice) {
            PlaceLabels labels(QFont(QStringLiteral("Sans")), names);
            labels.Add(springfield, {100, 50}, Qt::black);
            labels.Draw(painter, QRectF(0, 0, 300, 100));
        }
        painter.end();
        QRect box;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (qGray(picture.pixel(x, y)) < 128)
                    box |= QRect(x, y, 1, 1);
        return QRectF(box.topLeft() / ratio, box.size() / ratio);
    };
    const QRectF one = inkedBox(1), two = inkedBox(2);
    ASSERT_FALSE(one.isEmpty());
    EXPECT_NEAR(two.left(), one.left(), 1.5);
    EXPECT_NEAR(two.right(), one.right(), 1.5);
    EXPECT_NEAR(two.top(), one.top(), 1.5);
    EXPECT_NEAR(two.bottom(), one.bottom(), 1.5);
}

} // namespace
