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

TEST_F(MapSymbols, RecordsHoldTheirSevenNumbers) {
    const SymbolObject& shield = table.Record(9);
    EXPECT_EQ(shield.SymbolClass, 3);
    EXPECT_EQ(shield.SymbolType, 19);
    EXPECT_EQ(shield.SymbolLimit, 9999);
    EXPECT_EQ(shield.HotX, 14);
    EXPECT_EQ(shield.HotY, 6);
    EXPECT_EQ(shield.TextX, 15);
    EXPECT_EQ(shield.TextY, 6);
    const SymbolObject& last = table.Record(60);
    EXPECT_EQ(last.SymbolClass, 4);
    EXPECT_EQ(last.SymbolType, 111);
    EXPECT_EQ(last.HotX, 2);
    EXPECT_EQ(last.TextY, 9);
    EXPECT_THROW(table.Record(0), std::out_of_range);
    EXPECT_THROW(table.Record(61), std::out_of_range);
}

TEST_F(MapSymbols, LookupTakesTheFirstShieldWideEnough) {
    EXPECT_EQ(&table.GetSymbolPicture(3, 16, 50), &table.Record(1));
    EXPECT_EQ(&table.GetSymbolPicture(3, 16, 99), &table.Record(1));
    EXPECT_EQ(&table.GetSymbolPicture(3, 16, 100), &table.Record(2));
    EXPECT_EQ(&table.GetSymbolPicture(3, 20, 1000), &table.Record(12));
    EXPECT_EQ(&table.GetSymbolPicture(4, 63, 0), &table.Record(39));
}

TEST_F(MapSymbols, NumbersTooLongForTheWidestShieldAreShownDividedByTen) {
    // 12345 / 10 is 1234.5, which rounds to the even 1234.
    EXPECT_EQ(&table.GetSymbolPicture(3, 19, 12345), &table.Record(9));
    EXPECT_EQ(&table.GetSymbolPicture(3, 19, 99994), &table.Record(9));
    EXPECT_EQ(&table.GetSymbolPicture(3, 19, 2000000000), &table.Record(9));
}

TEST_F(MapSymbols, ShieldsWithoutRoomFallBackToTheBox) {
    EXPECT_EQ(&table.GetSymbolPicture(3, 16, 5000), &table.Record(9));
    EXPECT_EQ(&table.GetSymbolPicture(3, 77, 5), &table.Record(7));
    EXPECT_EQ(&table.GetSymbolPicture(3, 25, 500), &table.Record(16));
}

TEST_F(MapSymbols, UnknownFeaturesShowTheGenericPoint) {
    const SymbolObject& generic = table.Record(54);
    EXPECT_EQ(generic.SymbolType, 105);
    EXPECT_EQ(&table.GetSymbolPicture(4, 999, 0), &generic);
    EXPECT_EQ(&table.GetSymbolPicture(4, 1, 5), &generic); // points show no number
    EXPECT_EQ(&table.GetSymbolPicture(7, 16, 0), &generic);
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

TEST_F(WaypointPictures, TheSymbolListNamesAtLeast42Symbols) {
    const QStringList& names = window.SymbolNames();
    ASSERT_GE(names.size(), 42);
    EXPECT_EQ(names.mid(0, 4), QStringList({"Symbol 1", "Symbol 2", "Symbol3", "X Mark 1"}));
    EXPECT_EQ(names.mid(names.size() - 2), QStringList({"Broken Link", "Temporary"}));
    EXPECT_EQ(std::set<QString>(names.begin(), names.end()).size(), static_cast<std::size_t>(names.size()));
    EXPECT_EQ(window.GetWaypointPicture(3).SymbolName, "X Mark 1");
}

TEST_F(WaypointPictures, NumbersOutsideTheStripGiveSymbolZero) {
    const QImage zero = CellOf(window.GetWaypointPicture(0).SymbolImage);
    for (int symbol : {-1, -1000, 48, 5000}) {
        const SymbolObject& record = window.GetWaypointPicture(symbol);
        EXPECT_EQ(record.SymbolName, "Symbol 1") << symbol;
        EXPECT_EQ(CellOf(record.SymbolImage), zero) << symbol;
    }
}

TEST_F(WaypointPictures, SymbolsAreCentredAndDistinct) {
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
