#include "gpsdata/ProductTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

#include <optional>

using gpsdata::ProductTable;

namespace {

ProductTable Read(const QString& text) {
    ProductTable table;
    QString copy = text;
    QTextStream in(&copy);
    table.Read(in);
    return table;
}

// A table's text, a product it must hold (or must not, without a value)
// and that product's route waypoint limit.
struct Case {
    const char* text;
    int id;
    std::optional<int> routeWaypoints;
};

} // namespace

TEST(ProductTable, SectionsKeysAndValuesAreReadAsUnitsWriteThem) {
    const Case cases[] = {
        {"[Unit]\nID=12\nRouteWpts = 500\ndeltas=1000\n", 12, 500}, // keys end at a blank or "="
        {"junk before\n[A]\nid=5\ncolour=red\n", 5, 2000},          // unknown keys and missing values
        {"[A]\nid=5\n\nroutewpts=10\n", 5, 2000},                   // an empty line ends the section
        {"[A]\r\nid=5\r\nroutewpts=10\r\n[B]\r\nid=6\r\n", 5, 10},  // a header alone starts the next
        {"[A]\r\nid=5\r\nroutewpts=10\r\n[B]\r\nid=6\r\n", 6, 2000},
        {"[C]\nid=7\nroutewpts=1e400\ndeltas=-x\n", 7, 2000},      // wild numbers are harmless
        {"[A]\nroutewpts=10\n\n[B]\nid=99999\n", 0, std::nullopt}, // no id, or one too wide
        {"", 12, std::nullopt},
    };
    for (const Case& c : cases) {
        const ProductTable table = Read(QString::fromLatin1(c.text));
        const gpsdata::GPSUnit* unit = table.Find(c.id);
        ASSERT_EQ(unit != nullptr, c.routeWaypoints.has_value()) << c.text;
        if (unit) {
            EXPECT_EQ(unit->RouteWaypoints, *c.routeWaypoints) << c.text;
        }
        EXPECT_NE(table.Find(-1), nullptr) << "product -1 is always there";
    }
    const ProductTable table = Read("[A]\nid=5\nversion=2.5\nupdate=  Ab C \ndeltas=1000\n");
    EXPECT_FLOAT_EQ(table.Find(5)->CurrentSoftwareVersion, 2.5f);
    EXPECT_EQ(table.Find(5)->UpdatePostfix, "ab c");
    EXPECT_EQ(table.Find(5)->TrailDeltas, 1000);
}

// Any bytes: fuzz/fuzz_product_table.cpp.
TEST(ProductTable, LoadsFromTheDataFolderOrTheFile) {
    ProductTable fromFolder;
    fromFolder.Load(TF_SOURCE_DIR "/share");
    EXPECT_GT(fromFolder.Count(), 1);
    ProductTable fromFile;
    fromFile.Load(TF_SOURCE_DIR "/share/GPS.INI");
    EXPECT_EQ(fromFile.Count(), fromFolder.Count());

    QTemporaryDir dir;
    ProductTable missing;
    missing.Load(dir.path());
    EXPECT_EQ(missing.Count(), 1);
    EXPECT_NE(missing.Find(-1), nullptr);
}
