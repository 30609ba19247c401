#include "mastermap/At5Reader.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

// terrafold-mkmaster over a small GeoJSON source of a lake cut into two
// pieces (as tiled shoreline sources give them), an island, a road and a town.
class MkMaster : public ::testing::Test {
protected:
    MkMaster() {
        Write("mapping.map", "major 1 Water\nminor 1 Shoreline\nminor 3 Lakes\n"
                             "major 2 Transportation\nminor 20 Roads\nmajor 3 Places\nminor 30 Towns\n"
                             "rule * kind lake 3 rings\n"
                             "rule * kind island 1 line\n"
                             "rule * kind road 20\n"
                             "rule * kind town 30\n");
        Write("source.geojson", R"({"type": "FeatureCollection", "features": [
  {"type": "Feature", "properties": {"kind": "lake"},
   "geometry": {"type": "LineString", "coordinates": [[-90, 45], [-89, 45], [-89, 46]]}},
  {"type": "Feature", "properties": {"kind": "lake"},
   "geometry": {"type": "LineString", "coordinates": [[-89, 46], [-90, 46], [-90, 45]]}},
  {"type": "Feature", "properties": {"kind": "lake"},
   "geometry": {"type": "LineString", "coordinates": [[-80, 40], [-79, 40]]}},
  {"type": "Feature", "properties": {"kind": "island"},
   "geometry": {"type": "Polygon", "coordinates": [[[-89.6, 45.4], [-89.4, 45.4], [-89.4, 45.6], [-89.6, 45.4]]]}},
  {"type": "Feature", "properties": {"kind": "road"},
   "geometry": {"type": "LineString", "coordinates": [[-95, 40], [-94, 41]]}},
  {"type": "Feature", "properties": {"kind": "town"},
   "geometry": {"type": "Point", "coordinates": [-93.27, 44.98]}},
  {"type": "Feature", "properties": {"kind": "farm"},
   "geometry": {"type": "Point", "coordinates": [-93, 44]}}
]})");
    }

    void Write(const char* name, const QByteArray& text) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    int Run(const QStringList& sources, QByteArray* err = nullptr) {
        QProcess p;
        p.start(QStringLiteral(TF_BINARY_DIR "/bin/terrafold-mkmaster"),
                QStringList{"-m", dir.filePath("mapping.map"), "-o", dir.filePath("out.at5")} + sources);
        p.waitForFinished(-1);
        if (err)
            *err = p.readAllStandardError();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(MkMaster, RulesGiveCategoriesAndTiledPiecesBecomeWholeAreas) {
    QByteArray err;
    ASSERT_EQ(Run({dir.filePath("source.geojson")}, &err), 0) << err.toStdString();
    mastermap::At5Reader map;
    ASSERT_EQ(map.Open(dir.filePath("out.at5")), QString());
    std::multimap<int, mastermap::Feature> byCategory;
    map.ForEach([&](const mastermap::Feature& f) { byCategory.emplace(f.category, f); });
    // The two lake pieces close one ring; the piece that closes none is left out.
    ASSERT_EQ(byCategory.count(3), 1u);
    const mastermap::Feature& lake = byCategory.find(3)->second;
    EXPECT_EQ(lake.kind, mastermap::FeatureKind::Area);
    EXPECT_EQ(lake.parts.size(), 1u);
    EXPECT_EQ(lake.points.front().x, lake.points.back().x);
    ASSERT_EQ(byCategory.count(1), 1u);
    EXPECT_EQ(byCategory.find(1)->second.kind, mastermap::FeatureKind::Line);
    EXPECT_EQ(byCategory.count(20), 1u);
    EXPECT_EQ(byCategory.count(30), 1u);
    EXPECT_EQ(byCategory.size(), 4u); // the farm matches no rule
}

TEST_F(MkMaster, ASourceItCannotReadIsNamedInTheMessage) {
    Write("broken.geojson", "{\"type\": \"FeatureCollection\", \"features\": [");
    QByteArray err;
    EXPECT_EQ(Run({dir.filePath("broken.geojson")}, &err), 1);
    EXPECT_TRUE(err.contains("cannot read " + dir.filePath("broken.geojson").toUtf8())) << err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("out.at5")));
}
