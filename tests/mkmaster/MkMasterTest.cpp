#include "geo/Coordinates.h"
#include "mastermap/At5Reader.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <ogrsf_frmts.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

std::vector<mastermap::Feature> Features(const QString& path) {
    mastermap::At5Reader map;
    EXPECT_EQ(map.Open(path), QString());
    std::vector<mastermap::Feature> out;
    map.ForEach([&](const mastermap::Feature& f) { out.push_back(f); });
    return out;
}

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
                             "rule * kind town 30\n"
                             "names source name population\n");
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
  {"type": "Feature", "properties": {"kind": "town", "name": "Minneapolis", "population": 425336},
   "geometry": {"type": "Point", "coordinates": [-93.27, 44.98]}},
  {"type": "Feature", "properties": {"kind": "farm"},
   "geometry": {"type": "Point", "coordinates": [-93, 44]}}
]})");
    }

    void Write(const char* name, const QByteArray& text) {
        testing_support::WriteFile(dir.filePath(name), text);
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

    std::vector<mastermap::Feature> Built(const QByteArray& geojson, QByteArray* err = nullptr) {
        Write("crossing.geojson", geojson);
        EXPECT_EQ(Run({dir.filePath("crossing.geojson")}, err), 0);
        return Features(dir.filePath("out.at5"));
    }

    QTemporaryDir dir;
};

struct LonLat {
    double lon, lat;
};

LonLat Degrees(const mastermap::Point& p) {
    return {geo::XToLongitude(p.x), geo::YToLatitude(p.y)};
}

// The longest edge of the features on the sphere, in kilometres.
double LongestEdgeKm(const std::vector<mastermap::Feature>& features) {
    double longest = 0;
    for (const mastermap::Feature& f : features) {
        std::size_t start = 0;
        for (std::uint32_t part : f.parts) {
            const std::size_t size = mastermap::Feature::PartSize(part);
            for (std::size_t i = start + 1; i < start + size; ++i) {
                const LonLat a = Degrees(f.points[i - 1]), b = Degrees(f.points[i]);
                const double rad = 3.14159265358979 / 180;
                const double h = std::pow(std::sin((b.lat - a.lat) * rad / 2), 2) +
                                 std::cos(a.lat * rad) * std::cos(b.lat * rad) *
                                     std::pow(std::sin((b.lon - a.lon) * rad / 2), 2);
                longest = std::max(longest, 2 * 6371 * std::asin(std::sqrt(h)));
            }
            start += size;
        }
    }
    return longest;
}

// Whether a point lies inside an area feature (even-odd over its rings).
bool Inside(const mastermap::Feature& f, double lon, double lat) {
    const mastermap::Point p{geo::LongitudeToX(lon), geo::LatitudeToY(lat)};
    bool inside = false;
    std::size_t start = 0;
    for (std::uint32_t part : f.parts) {
        const std::size_t size = mastermap::Feature::PartSize(part);
        for (std::size_t i = start, j = start + size - 1; i < start + size; j = i++) {
            const mastermap::Point& a = f.points[i];
            const mastermap::Point& b = f.points[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < double(b.x - a.x) * (p.y - a.y) / double(b.y - a.y) + a.x)
                inside = !inside;
        }
        start += size;
    }
    return inside;
}

// Areas on the sphere, in km², over the map's latitudes (the builder holds
// them within 85 degrees). An edge adds the band between it and the south
// pole, signed by its direction (east positive); a closed ring's bands add up
// to the area it encloses, or, for a ring once round the pole, to the area
// between it and the pole. An edge takes the short way round, so a ring that
// jumps across 180 degrees is measured as the sphere has it.
double SignedKm2(const std::vector<LonLat>& ring) {
    constexpr double Rad = 3.14159265358979 / 180, Radius = 6371.0, MaxLatitude = 85;
    const auto sine = [&](double lat) { return std::sin(std::clamp(lat, -MaxLatitude, MaxLatitude) * Rad); };
    double sum = 0;
    for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        double dl = ring[i + 1].lon - ring[i].lon;
        dl -= 360 * std::round(dl / 360);
        sum += dl * Rad * (2 + sine(ring[i].lat) + sine(ring[i + 1].lat));
    }
    return sum / 2 * Radius * Radius;
}

// A source polygon's rings follow the sphere's rule (its holes run against
// its outer ring), so their signed areas add up to its own; Antarctica's is a
// ring round the pole at 89.999 degrees south less its coast.
double PolygonKm2(const OGRPolygon& polygon) {
    double sum = 0;
    for (int r = 0; r <= polygon.getNumInteriorRings(); ++r) {
        const OGRLinearRing* ring = r == 0 ? polygon.getExteriorRing() : polygon.getInteriorRing(r - 1);
        std::vector<LonLat> points;
        for (const OGRPoint& p : *ring)
            points.push_back({p.getX(), p.getY()});
        sum += SignedKm2(points);
    }
    return std::abs(sum);
}

// The land of a source as GDAL reads it, in km².
double SourceLandKm2(const QString& path, const char* layerName) {
    struct Closer {
        void operator()(GDALDataset* d) const { GDALClose(d); }
    };
    GDALAllRegister();
    std::unique_ptr<GDALDataset, Closer> data(
        GDALDataset::Open(path.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    OGRLayer* layer = data ? data->GetLayerByName(layerName) : nullptr;
    if (!layer)
        return 0;
    double total = 0;
    for (auto& feature : *layer) {
        const OGRGeometry* g = feature->GetGeometryRef();
        if (g && wkbFlatten(g->getGeometryType()) == wkbPolygon)
            total += PolygonKm2(*g->toPolygon());
        else if (g && wkbFlatten(g->getGeometryType()) == wkbMultiPolygon)
            for (const OGRPolygon* polygon : *g->toMultiPolygon())
                total += PolygonKm2(*polygon);
    }
    return total;
}

// The areas of one category of a built map, in km²: its rings are cut at 180
// degrees and closed along the pole, none goes round a pole, and a ring is a
// hole by its mark, whatever its direction.
double BuiltKm2(const std::vector<mastermap::Feature>& features, int category) {
    double total = 0;
    for (const mastermap::Feature& f : features) {
        if (f.kind != mastermap::FeatureKind::Area || f.category != category)
            continue;
        std::size_t start = 0;
        for (std::uint32_t part : f.parts) {
            std::vector<LonLat> ring;
            for (std::size_t i = start; i < start + mastermap::Feature::PartSize(part); ++i)
                ring.push_back(Degrees(f.points[i]));
            total += (part & mastermap::Feature::OuterRing ? 1 : -1) * std::abs(SignedKm2(ring));
            start += mastermap::Feature::PartSize(part);
        }
    }
    return total;
}

} // namespace

TEST_F(MkMaster, RulesGiveCategoriesTiledPiecesBecomeWholeAreasAndABrokenSourceIsNamed) {
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
    ASSERT_EQ(byCategory.count(30), 1u);
    EXPECT_EQ(byCategory.find(30)->second.name, "Minneapolis");
    EXPECT_EQ(byCategory.find(30)->second.rank, 425336u);
    EXPECT_EQ(byCategory.find(20)->second.name, "") << "only points carry names";
    EXPECT_EQ(byCategory.size(), 4u); // the farm matches no rule

    // A source it cannot read is named in the message.
    ASSERT_TRUE(QFile::remove(dir.filePath("out.at5")));
    Write("broken.geojson", "{\"type\": \"FeatureCollection\", \"features\": [");
    EXPECT_EQ(Run({dir.filePath("broken.geojson")}, &err), 1);
    EXPECT_TRUE(err.contains("cannot read " + dir.filePath("broken.geojson").toUtf8())) << err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("out.at5")));
}

// An island jumping from +178 to -179 once became an area round the whole
// world, and a ring round the pole made the sea land; a bow tie is repaired.
TEST_F(MkMaster, AntimeridianCrossingsAreCutPolarRingsClosedAndInvalidAreasRepaired) {
    Write("mapping.map", "major 2 Transportation\nminor 20 Roads\nmajor 3 Land\nminor 60 Land\n"
                         "rule * kind road 20\nrule * * * 60\n");
    QByteArray err;
    const auto features = Built(R"({"type": "FeatureCollection", "features": [
  {"type": "Feature", "properties": {"kind": "island"},
   "geometry": {"type": "Polygon", "coordinates": [[[178, -16], [-179, -16], [-179, -17], [178, -17], [178, -16]]]}},
  {"type": "Feature", "properties": {"kind": "road"},
   "geometry": {"type": "LineString", "coordinates": [[179, 60], [-179, 61]]}},
  {"type": "Feature", "properties": {},
   "geometry": {"type": "Polygon", "coordinates": [[[-170, -70], [-90, -72], [0, -70], [90, -72], [170, -70],
                                                    [-170, -70]]]}},
  {"type": "Feature", "properties": {},
   "geometry": {"type": "Polygon", "coordinates": [[[0, 0], [2, 2], [2, 0], [0, 2], [0, 0]]]}}
]})",
                                &err);
    EXPECT_LT(LongestEdgeKm(features), 200);
    EXPECT_TRUE(err.contains("1 invalid geometries repaired, 0 dropped")) << err.toStdString();
    int westOf180 = 0, eastOf180 = 0;
    bool land = false, sea = false, bowTie = false;
    for (const mastermap::Feature& f : features) {
        for (const mastermap::Point& p : f.points) // the island's and the road's
            if (const double lat = Degrees(p).lat; std::abs(lat + 16.5) < 1 || std::abs(lat - 60.5) < 1)
                (Degrees(p).lon > 0 ? westOf180 : eastOf180)++;
        if (f.category == 20)
            continue;
        ASSERT_EQ(f.kind, mastermap::FeatureKind::Area);
        land = land || Inside(f, 45, -80) || Inside(f, 179.5, -80);
        sea = sea || Inside(f, 45, -60);
        bowTie = bowTie || Inside(f, 0.3, 1);
    }
    EXPECT_GT(westOf180, 0);
    EXPECT_GT(eastOf180, 0);
    EXPECT_TRUE(land);
    EXPECT_FALSE(sea);
    EXPECT_TRUE(bowTie);
}

// Rings cut at 180 degrees, closed along the pole or repaired must neither
// add land to the built default map nor lose it.
TEST(DefaultMasterMap, HasNoEdgeAcrossTheWorldLakeErieIsWaterAndTheLandIsTheSourcesWithinOnePercent) {
    const QString path = QStringLiteral(TF_BINARY_DIR "/bin/res/World.at5");
    if (!QFile::exists(path))
        GTEST_SKIP() << "the default master map is not built in this tree";
    const auto features = Features(path);
    EXPECT_LT(LongestEdgeKm(features), 200);
    bool erieIsLake = false, openSeaIsLand = false;
    for (const mastermap::Feature& f : features) {
        if (f.kind != mastermap::FeatureKind::Area)
            continue;
        erieIsLake = erieIsLake || (f.category == 3 && Inside(f, -81.2, 42.2));
        openSeaIsLand = openSeaIsLand || (f.category == 60 && Inside(f, 3.0, 67.0)); // the Norwegian Sea
    }
    EXPECT_TRUE(erieIsLake);
    EXPECT_FALSE(openSeaIsLand);

    const QString source = QStringLiteral(TF_SOURCE_DIR "/data/src/countries-50m.json");
    if (!QFile::exists(source))
        GTEST_SKIP() << "the default master map's sources are not in this tree";
    const double want = SourceLandKm2(source, "countries");
    const double got = BuiltKm2(features, 60);
    // The world's land is about 149 million km², less Antarctica's part past
    // 85 degrees south.
    EXPECT_GT(want, 140e6);
    EXPECT_LT(want, 150e6);
    EXPECT_NEAR(got, want, want / 100) << "built " << got << " km², source " << want << " km²";
}

// The places of the default master map carry their names and populations.
TEST(DefaultMasterMap, PlacesAreNamedAndRanked) {
    const QString path = QStringLiteral(TF_BINARY_DIR "/bin/res/Places.at5");
    if (!QFile::exists(path))
        GTEST_SKIP() << "the default master map's places are not built in this tree";
    mastermap::At5Reader map;
    ASSERT_EQ(map.Open(path), QString());
    const mastermap::Point denver{geo::LongitudeToX(-104.99), geo::LatitudeToY(39.74)};
    std::uint32_t largest = 0;
    std::string name;
    map.Query({denver.x - 20000, denver.y - 20000, denver.x + 20000, denver.y + 20000},
              [&](const mastermap::Feature& f) {
                  if (f.rank > largest)
                      largest = f.rank, name = f.name;
              });
    EXPECT_EQ(name, "Denver");
    EXPECT_GT(largest, 500000u);
}
