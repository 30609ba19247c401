#include "RecordingBorderEngine.h"

#include "mapview/MapSymbolTable.h"
#include "mapview/SymbolPainter.h"
#include "mapview/WindowObject.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <set>

using mapview::MapSymbolTable;
using mapview::SymbolObject;
using mapview::WindowObject;

namespace {

QImage CellOf(const mapview::SymbolPicture& picture) {
    return picture.Strip.copy(picture.Cell.toRect());
}

class MapSymbols : public ::testing::Test {
protected:
    MapSymbolTable table;
};

class WaypointPictures : public ::testing::Test {
protected:
    RecordingBorderEngine engine;
    WindowObject window{engine};
};

} // namespace

TEST_F(MapSymbols, LookupTakesTheFirstShieldWideEnoughOrFallsBack) {
    struct Case {
        int symbolClass, type, number, record;
    };
    const Case cases[] = {
        {3, 16, 50, 1},
        {3, 16, 99, 1},
        {3, 16, 100, 2},
        {3, 20, 1000, 12},
        {4, 63, 0, 39},
        // Too long for the widest shield: shown divided by ten; 1234.5 rounds to the even 1234.
        {3, 19, 12345, 9},
        {3, 19, 99994, 9},
        {3, 19, 2000000000, 9},
        // Shields without room fall back to the box.
        {3, 16, 5000, 9},
        {3, 77, 5, 7},
        {3, 25, 500, 16},
        // Unknown features, and points (which show no number), get the generic point.
        {4, 999, 0, 54},
        {4, 1, 5, 54},
        {7, 16, 0, 54}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.symbolClass << " " << c.type << " " << c.number);
        EXPECT_EQ(&table.GetSymbolPicture(c.symbolClass, c.type, c.number), &table.Record(c.record));
    }
    EXPECT_EQ(table.Record(54).SymbolType, 105);
    EXPECT_THROW(table.Record(0), std::out_of_range);
    EXPECT_THROW(table.Record(61), std::out_of_range);
}

TEST_F(MapSymbols, NumberTextsAllowRunsOfSpacesAndRejectAnythingElse) {
    const auto numbers = MapSymbolTable::ParseNumbers("  4   105 0 4  4 4   12 ");
    ASSERT_TRUE(numbers);
    EXPECT_EQ(*numbers, (std::array<int, 7>{4, 105, 0, 4, 4, 4, 12}));
    EXPECT_FALSE(MapSymbolTable::ParseNumbers("4 105 0 4 4 4"));
    EXPECT_FALSE(MapSymbolTable::ParseNumbers("4 105 0 4 4 4 12 1"));
    EXPECT_FALSE(MapSymbolTable::ParseNumbers("4 105 0 4 x 4 12"));
    EXPECT_FALSE(MapSymbolTable::ParseNumbers(""));
}

TEST_F(MapSymbols, PicturesAreBlackOnWhiteWithMatchingMasks) {
    for (int i = 1; i <= MapSymbolTable::NumSymbols; ++i) {
        const SymbolObject& record = table.Record(i);
        const QImage image = CellOf(record.SymbolImage);
        const QImage mask = CellOf(record.SymbolMask);
        ASSERT_EQ(image.size(), mask.size()) << i;
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                EXPECT_EQ(qRed(pixel), qBlue(pixel)) << i; // grey levels only
                if (qGray(pixel) < 64)
                    ++black;
                if (qGray(pixel) < 250) { // drawn: the mask covers it
                    EXPECT_EQ(mask.pixel(x, y), qRgb(0, 0, 0)) << i;
                }
            }
        EXPECT_GT(black, 0) << i;
    }
}

TEST_F(WaypointPictures, NumbersOutsideTheStripGiveSymbolZero) {
    const QImage zero = CellOf(window.GetWaypointPicture(0).SymbolImage);
    for (int symbol : {-1, -1000, 48, 5000}) {
        const SymbolObject& record = window.GetWaypointPicture(symbol);
        EXPECT_EQ(record.SymbolName, "Symbol 1") << symbol;
        EXPECT_EQ(CellOf(record.SymbolImage), zero) << symbol;
    }
}

TEST_F(WaypointPictures, AtLeast42SymbolsAreCentredAndDistinct) {
    const QStringList& names = window.SymbolNames();
    ASSERT_GE(names.size(), 42);
    EXPECT_EQ(std::set<QString>(names.begin(), names.end()).size(), static_cast<std::size_t>(names.size()));
    std::set<QByteArray> seen;
    for (int i = 0; i < window.SymbolNames().size(); ++i) {
        const SymbolObject& record = window.GetWaypointPicture(i);
        EXPECT_EQ(record.HotX, 8);
        EXPECT_EQ(record.HotY, 8);
        EXPECT_EQ(record.TextX, 0);
        EXPECT_EQ(record.SymbolSprite.Size(), QSizeF(16, 16));
        const QImage cell = CellOf(record.SymbolImage);
        seen.insert(QByteArray(reinterpret_cast<const char*>(cell.constBits()), cell.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(window.SymbolNames().size()));
}

TEST_F(WaypointPictures, HighDensityStripsHaveMorePixelsForTheSameSize) {
    const SymbolObject& sharp = window.GetWaypointPicture(10, 2);
    EXPECT_EQ(sharp.SymbolSprite.Cell.size(), QSizeF(32, 32));
    EXPECT_EQ(sharp.SymbolSprite.Size(), QSizeF(16, 16));
    EXPECT_EQ(window.GetWaypointPicture(10, 1.2).SymbolSprite.Cell.size(), QSizeF(24, 24));
}

TEST_F(WaypointPictures, MasksCoverExactlyTheSpritesArea) {
    const SymbolObject& record = window.GetWaypointPicture(12);
    const QImage sprite = CellOf(record.SymbolSprite);
    const QImage mask = CellOf(record.SymbolMask);
    int covered = 0;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x) {
            const bool drawn = qAlpha(sprite.pixel(x, y)) > 0;
            covered += drawn;
            EXPECT_EQ(mask.pixel(x, y), drawn ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    EXPECT_GT(covered, 20);
    EXPECT_LT(covered, 16 * 16);
}

TEST_F(WaypointPictures, PaintingLeavesTheMapVisibleAroundTheSymbol) {
    QImage map(40, 40, QImage::Format_RGB32);
    map.fill(QColor(0, 200, 0));
    QPainter painter(&map);
    mapview::PaintSymbol(painter, window.GetWaypointPicture(5), QPointF(20, 20)); // a dot
    painter.end();
    EXPECT_EQ(map.pixel(2, 2), qRgb(0, 200, 0));
    EXPECT_EQ(map.pixel(13, 20), qRgb(0, 200, 0));
    EXPECT_LT(qGray(map.pixel(20, 20)), 60);  // the dot
    EXPECT_GT(qGray(map.pixel(24, 20)), 200); // its white halo
}
