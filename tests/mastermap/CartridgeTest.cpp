#include "MasterFixtures.h"
#include "support/TestFiles.h"

#include "mastermap/At5Writer.h"
#include "mastermap/CartridgeMaker.h"
#include "mastermap/NcmReader.h"

#include <QFile>
#include <QRect>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mastermap;
using namespace mastermap_testing;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

constexpr std::int32_t Block = 24000;

struct Piece {
    std::int32_t column, row;
    Feature feature;
};

// A master map of land (category 60) 0..240000 square, a shoreline (1) along
// x = 120000, a road-like line (2) far to the east and a place (5) inside.
class Cartridge : public ::testing::Test {
protected:
    void SetUp() override {
        request.library = WriteFile(dir.filePath("MasterDefinitionLibrary.dat"),
                                    "major 1 Water\nminor 1 Shoreline\nminor 2 Rivers\nmajor 3 Land\n"
                                    "minor 60 Land\nminor 5 Places\n");
        At5Writer w;
        w.Add(Square(60, 0, 0, 240000));
        w.Add(Line(1, {{120000, -100000}, {120000, 340000}}));
        w.Add(Line(2, {{1000000, 0}, {1000000, 240000}}));
        w.Add(Place(5, 50000, 50000, "Springfield", 60000));
        ASSERT_EQ(w.Write(dir.filePath("M.at5")), "");
        request.buildList = WriteFile(dir.filePath("BuildList.txt"), dir.filePath("M.at5").toUtf8() + "\n");
        request.output = dir.filePath("out.ncm");
        request.layers = "1,1,2;3,60,5;";
        request.blockSize = Block;
    }
    std::vector<Piece> Read() {
        NcmReader r;
        EXPECT_EQ(r.Open(request.output), "");
        std::vector<Piece> out;
        EXPECT_EQ(r.ForEach([&](std::int32_t c, std::int32_t row, const Feature& f) {
            out.push_back({c, row, f});
        }),
                  "");
        return out;
    }
    // The lowest and highest Y of the pieces of a category.
    static std::pair<std::int32_t, std::int32_t> YRange(const std::vector<Piece>& pieces, int category) {
        std::int32_t low = INT32_MAX, high = INT32_MIN;
        for (const Piece& p : pieces)
            if (p.feature.category == category)
                for (const Point& v : p.feature.points)
                    low = std::min(low, v.y), high = std::max(high, v.y);
        return {low, high};
    }
    static double Area(const std::vector<Piece>& pieces, int category) {
        double sum = 0;
        for (const Piece& p : pieces) {
            if (p.feature.category != category)
                continue;
            for (std::size_t i = 0; i + 1 < p.feature.points.size(); ++i) // rings are closed
                sum += double(p.feature.points[i].x) * p.feature.points[i + 1].y -
                       double(p.feature.points[i + 1].x) * p.feature.points[i].y;
        }
        return std::abs(sum) / 2;
    }
    QTemporaryDir dir;
    CartridgeMaker::Request request;
};

// A border half over the land: exactly the land inside is kept, cut in
// blocks, and every vertex lies inside the border and its block.
TEST_F(Cartridge, ClosedBorderKeepsExactlyTheClippedPartInItsBlocks) {
    request.borders = {{true, {{-50000, 100000}, {200000, 100000}, {200000, 300000}, {-50000, 300000}}}};
    const auto result = CartridgeMaker::Make(request);
    ASSERT_EQ(result.status, 1) << result.error.toStdString();
    const auto pieces = Read();
    EXPECT_DOUBLE_EQ(Area(pieces, 60), 200000.0 * 140000.0);
    const QRect border(QPoint(-50000, 100000), QPoint(200000, 300000));
    for (const Piece& p : pieces) {
        const QRect block(QPoint(p.column, p.row) * Block, QPoint(p.column + 1, p.row + 1) * Block);
        for (const Point& v : p.feature.points)
            EXPECT_TRUE(border.contains(v.x, v.y) && block.contains(v.x, v.y)) << v.x << "," << v.y;
    }
    // The shoreline is kept from the border's bottom edge to its top edge.
    EXPECT_EQ(YRange(pieces, 1), std::pair(100000, 300000));
    EXPECT_EQ(QFile(request.output).size(), static_cast<qint64>(result.size));
}

TEST_F(Cartridge, SwitchedOffLayersAreLeftOut) {
    request.borders = {{true, {{0, 0}, {240000, 0}, {240000, 240000}, {0, 240000}}}};
    request.layers = "1,2;3,5;";
    ASSERT_EQ(CartridgeMaker::Make(request).status, 1);
    const auto pieces = Read();
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].feature.category, 5);
    EXPECT_EQ(pieces[0].feature.points[0], (Point{50000, 50000}));
    EXPECT_EQ(pieces[0].column, 2);
    // The custom map keeps the place's name for its labels.
    EXPECT_EQ(pieces[0].feature.name, "Springfield");
    EXPECT_EQ(pieces[0].feature.rank, 60000u);
}

// A corridor of 20000 along a polyline at y = 120000 keeps the shoreline only
// within 10000 of it, and nothing of the far line.
TEST_F(Cartridge, CorridorKeepsHalfItsWidthOnEachSide) {
    request.borders = {{false, {{60000, 120000}, {180000, 120000}}}};
    request.corridorWidth = 20000;
    ASSERT_EQ(CartridgeMaker::Make(request).status, 1);
    const auto pieces = Read();
    EXPECT_EQ(YRange(pieces, 1), std::pair(110000, 130000));
    EXPECT_EQ(YRange(pieces, 2).first, INT32_MAX) << "nothing of the far line";
}

TEST_F(Cartridge, HeaderCarriesTheSignatureAndTheDataKind) {
    request.borders = {{true, {{0, 0}, {100000, 0}, {100000, 100000}}}};
    request.headerText = "My map";
    ASSERT_EQ(CartridgeMaker::Make(request).status, 1);
    const QByteArray bytes = ReadFile(request.output);
    ASSERT_GT(bytes.size(), 64);
    EXPECT_EQ(std::uint8_t(bytes[0]), 0x55);
    EXPECT_EQ(std::uint8_t(bytes[1]), 0xAA);
    NcmReader r;
    ASSERT_EQ(r.Open(request.output), "");
    EXPECT_EQ(r.Info().manufacturer, std::uint8_t(bytes[24]));
    EXPECT_EQ(r.Info().dataType, std::uint8_t(bytes[25]));
    EXPECT_NE(r.Info().manufacturer, 0);
    EXPECT_EQ(r.Info().text, "My map");
    EXPECT_EQ(r.Info().blockSize, Block);
}

TEST_F(Cartridge, ReaderSurvivesDamagedFiles) {
    request.borders = {{true, {{0, 0}, {100000, 0}, {100000, 100000}}}};
    ASSERT_EQ(CartridgeMaker::Make(request).status, 1);
    const QByteArray good = ReadFile(request.output);
    for (int i = 0; i < good.size(); ++i)
        for (char v : {char(0), char(0xFF)}) {
            QByteArray bad = good;
            bad[i] = v;
            NcmReader r;
            if (r.OpenBytes({bad.constData(), std::size_t(bad.size())}).isEmpty())
                r.ForEach([](std::int32_t, std::int32_t, const Feature&) {});
            NcmReader cut;
            cut.OpenBytes({good.constData(), std::size_t(i)});
        }
}

} // namespace
