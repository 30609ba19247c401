// The whole map picture of a fixed scene (a master map with every kind of
// feature and style, and a GPS data set with every kind of object) compared
// with reference pictures, so that work on the drawing's speed cannot change
// what is drawn unnoticed. After an intended change of the drawing, run with
// TF_WRITE_REFERENCE_PICTURES=1 to write new references, and look at them.

#include "support/GuiApplication.h"

#include "carver/Carver.h"
#include "geo/Coordinates.h"
#include "gpsdata/GPSData.h"
#include "mapview/CarverBorderEngine.h"
#include "mapview/GPSDataPainter.h"
#include "mapview/WindowObject.h"
#include "mastermap/At5Writer.h"
#include "mastermap/MasterFixtures.h"
#include "mastermap/MasterMapPainter.h"
#include "mastermap/MasterSet.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using mastermap::Feature;
using mastermap::FeatureKind;
using mastermap::Point;
using mastermap_testing::Line;

namespace {

constexpr double CentreLon = -105.5, CentreLat = 39;
const QString ReferenceDir = QStringLiteral(TF_SOURCE_DIR "/tests/mapview/reference");

Point At(double lon, double lat) {
    return {geo::LongitudeToX(lon), geo::LatitudeToY(lat)};
}

// A ring of `count` vertices around the centre, `rx` by `ry` degrees, with a
// little wobble so that neighbouring vertices do not line up.
std::vector<Point> Ring(double lon, double lat, double rx, double ry, int count) {
    std::vector<Point> ring;
    for (int i = 0; i < count; ++i) {
        const double a = 2 * std::numbers::pi * i / count;
        const double wobble = 1 + 0.02 * std::sin(a * 37);
        ring.push_back(At(lon + rx * wobble * std::cos(a), lat + ry * wobble * std::sin(a)));
    }
    ring.push_back(ring.front());
    return ring;
}

Feature Area(std::uint8_t category, std::vector<std::vector<Point>> rings) {
    Feature f;
    f.kind = FeatureKind::Area;
    f.category = category;
    for (std::size_t r = 0; r < rings.size(); ++r) {
        f.parts.push_back(static_cast<std::uint32_t>(rings[r].size()) | (r == 0 ? Feature::OuterRing : 0));
        f.points.insert(f.points.end(), rings[r].begin(), rings[r].end());
    }
    return f;
}

// A meandering line from one place to another in `count` steps.
std::vector<Point> Meander(double lon0, double lat0, double lon1, double lat1, int count, double amplitude) {
    std::vector<Point> points;
    for (int i = 0; i <= count; ++i) {
        const double t = double(i) / count;
        const double side = amplitude * std::sin(t * 23) * std::cos(t * 7);
        points.push_back(At(lon0 + (lon1 - lon0) * t - side * (lat1 - lat0),
                            lat0 + (lat1 - lat0) * t + side * (lon1 - lon0)));
    }
    return points;
}

void WriteMasterMap(const QString& path) {
    mastermap::At5Writer w;
    // Land far larger than any view, tinted, with a lake in it.
    w.Add(Area(
        60, {Ring(CentreLon, CentreLat, 12, 9, 4000), Ring(CentreLon + 0.05, CentreLat, 0.04, 0.03, 300)}));
    // Hatched and outlined areas of every style, some reaching out of the views.
    for (int style = 0; style < 7; ++style)
        w.Add(Area(static_cast<std::uint8_t>(20 + style),
                   {Ring(CentreLon - 3 + style, CentreLat - 1 + 0.3 * style, 0.6, 0.4, 200)}));
    w.Add(Area(21, {Ring(CentreLon, CentreLat, 0.08, 0.06, 500)}));
    // A dashed outline around the city views.
    w.Add(Area(4, {Ring(CentreLon - 0.02, CentreLat + 0.01, 0.09, 0.05, 800)}));
    // Lines of every width and pattern, long ones crossing every view.
    w.Add(Line(1, Meander(CentreLon - 8, CentreLat - 3, CentreLon + 8, CentreLat + 3, 3000, 0.03)));
    w.Add(Line(8, Meander(CentreLon - 6, CentreLat + 4, CentreLon + 6, CentreLat - 4, 2000, 0.02)));
    w.Add(Line(10, Meander(CentreLon, CentreLat - 5, CentreLon + 0.01, CentreLat + 5, 2500, 0.01)));
    w.Add(Line(25, Meander(CentreLon - 0.2, CentreLat - 0.2, CentreLon + 0.2, CentreLat + 0.25, 400, 0.05)));
    w.Add(Line(40, Meander(CentreLon - 4, CentreLat, CentreLon + 4, CentreLat + 0.02, 1000, 0.01)));
    QRandomGenerator random(7);
    for (int i = 0; i < 300; ++i) {
        const Point at = At(CentreLon - 3 + random.bounded(6.0), CentreLat - 2 + random.bounded(4.0));
        w.Add(mastermap_testing::Spot(2, at.x, at.y));
    }
    for (int i = 0; i < 40; ++i) {
        const double lon = CentreLon - 0.05 + random.bounded(0.1),
                     lat = CentreLat - 0.04 + random.bounded(0.08);
        w.Add(Line(12, Meander(lon, lat, lon + 0.01, lat + 0.005, 20, 0.2)));
    }
    ASSERT_EQ(w.Write(path), "");
}

mastermap::CategoryStyles Styles() {
    mastermap::CategoryStyles styles;
    styles[1] = {9, 0, 0xFFFF, 1, 0};
    styles[2] = {4, 0, 0xFFFF, 1, 0};
    styles[4] = {8, 4, 0xAAAA, 1, 0};
    styles[8] = {0, 4, 0xFCFC, 1, 0};
    styles[10] = {0, 4, 0xCCCC, 1, 0};
    styles[12] = {3, 0, 0xFFFF, 1, 0};
    for (int style = 0; style < 7; ++style)
        styles[static_cast<std::size_t>(20 + style)] = {2 + style, style % 2 ? 256 : 0, 0xFFFF, 9 + style,
                                                        style + 1};
    styles[25].LineStyle = 256;
    styles[40] = {4, 512, 0x8080, 1, 0};
    styles[60] = {0, 0, 0xFFFF, 0, 7};
    return styles;
}

void FillGPSData(gpsdata::GPSData& data) {
    QRandomGenerator random(11);
    double lon = CentreLon, lat = CentreLat;
    for (qint16 i = 0; i < 300; ++i) {
        // Mostly a few miles apart, now and then a city block.
        const double step = i % 3 ? 0.3 : 0.01;
        lon += random.bounded(step) - step / 2;
        lat += random.bounded(step * 0.7) - step * 0.35;
        data.AddWaypoint(i, geo::LongitudeToX(lon), geo::LatitudeToY(lat), 0,
                         QStringLiteral("WPT %1").arg(i + 1), i % 42, 0, i % 50 == 7 ? 1 : 0);
        if (i % 40 == 39)
            lon = CentreLon, lat = CentreLat;
    }
    for (qint16 r = 0; r < 20; ++r) {
        QList<qint16> legs;
        for (int k = 0; k < 15; ++k)
            legs << static_cast<qint16>((r * 13 + k) % 300);
        data.AddRoute(r, QStringLiteral("ROUTE %1").arg(r + 1), legs);
    }
    // A long leg, drawn as a visible curve.
    data.AddRoute(20, QStringLiteral("LONG"), {0, 150, 299});
    data.SetEditingRoute(3);
    data.SetEditingRouteLeg(4);
    for (qint16 i = 0; i < 300; ++i)
        data.AddLurchIcon(i, geo::LongitudeToX(CentreLon - 2 + random.bounded(4.0)),
                          geo::LatitudeToY(CentreLat - 1.5 + random.bounded(3.0)), i % 42);
    QList<qint32> xs, ys;
    QList<bool> continuous;
    qint32 x = geo::LongitudeToX(CentreLon - 0.1), y = geo::LatitudeToY(CentreLat - 0.05);
    for (int k = 0; k < 3000; ++k) {
        x += static_cast<qint32>(random.bounded(160)) - 70;
        y += static_cast<qint32>(random.bounded(160)) - 75;
        xs << x;
        ys << y;
        continuous << (k % 400 != 0);
    }
    data.AddTrail(0, QStringLiteral("TRACK"), 0, 0, xs, ys, continuous);
}

struct Zoom {
    const char* name;
    double miles;
};

class MapPicture : public ::testing::TestWithParam<Zoom> {
protected:
    static void SetUpTestSuite() { testing_support::StartGuiApplication(); }

    MapPicture() {
        WriteMasterMap(dir.filePath("scene.at5"));
        master.Open({dir.filePath("scene.at5")});
        FillGPSData(data);
        window.MapPicture.Width = 640;
        window.MapPicture.Height = 480;
    }

    QImage Draw(double miles) {
        window.Center(geo::LongitudeToX(CentreLon), geo::LatitudeToY(CentreLat));
        window.SetZoomRange(miles);
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const mastermap::Rect view{window.ViewLeft, window.ViewBottom, window.ViewRight, window.ViewTop};
        mastermap::MasterMapPainter(master, styles).Draw(painter, view, window.MapPicture.UserTransform());
        mapview::GPSDataPainter(window, painter).Draw(data);
        return image;
    }

    QTemporaryDir dir;
    mastermap::MasterSet master;
    const mastermap::CategoryStyles styles = Styles();
    gpsdata::GPSData data;
    Carver carver;
    mapview::CarverBorderEngine engine{carver};
    mapview::WindowObject window{engine};
};

int ChannelDifference(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

// Smoothing may differ by a shade where an edge crosses a pixel; anything
// more is a change of what is drawn.
TEST_P(MapPicture, MatchesTheReference) {
    const QImage image = Draw(GetParam().miles);
    const QString file = QDir(ReferenceDir).filePath(QStringLiteral("%1.png").arg(GetParam().name));
    if (qEnvironmentVariableIntValue("TF_WRITE_REFERENCE_PICTURES")) {
        ASSERT_TRUE(image.save(file));
        GTEST_SKIP() << "wrote " << file.toStdString();
    }
    const QImage reference = QImage(file).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(reference.size(), image.size()) << file.toStdString();
    int shaded = 0, changed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int d = ChannelDifference(image.pixel(x, y), reference.pixel(x, y));
            shaded += d > 2;
            changed += d > 40;
        }
    EXPECT_LE(shaded, image.width() * image.height() / 500) << "pixels a shade off";
    EXPECT_LE(changed, 40) << "pixels changed";
}

INSTANTIATE_TEST_SUITE_P(Zooms, MapPicture,
                         ::testing::Values(Zoom{"state-wide", 400}, Zoom{"county-wide", 40},
                                           Zoom{"city-wide", 8}, Zoom{"street-level", 1}),
                         [](const ::testing::TestParamInfo<Zoom>& info) {
                             std::string name = info.param.name;
                             std::erase(name, '-');
                             return name;
                         });
