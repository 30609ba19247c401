#include "DataSetRecorder.h"
#include "LayoutWriter.h"
#include "files/GPSDataFile.h"
#include "gpsdata/GPSData.h"
#include "support/DataSetRecords.h"
#include "support/FileSizeLimit.h"
#include "support/QStringPrinter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using files::GPSDataFile;
using gpsdata::GPSData;

namespace {

class SectionedWrite : public ::testing::Test {
protected:
    QByteArray Save() {
        path = dir.filePath("saved.nrv");
        data.SetPath(path);
        EXPECT_TRUE(GPSDataFile(data).SaveFile());
        return testing_support::ReadFile(path);
    }

    // Opens the saved file again, into `back`.
    void Reload() {
        back.SetPath(path);
        GPSDataFile(back).OpenFile(false);
        EXPECT_TRUE(seen.errors.isEmpty()) << seen.errors.join("|").toStdString();
    }

    QTemporaryDir dir;
    QString path;
    GPSData data;
    GPSData back;
    DataSetRecorder seen{back};
};

// The product section: the limits by key, then every symbol (key 4 counts
// them) marked valid.
QByteArray ProductSection(const QList<QPair<qint32, qint32>>& limits) {
    const qint32 symbols = limits[3].second;
    LayoutWriter product;
    product.I16(qint16(limits.size() + symbols));
    for (const auto& [key, value] : limits)
        product.I32(key).I32(value);
    for (qint32 symbol = 0; symbol < symbols; ++symbol)
        product.I32(1000 + symbol).I32(-1);
    return product.Bytes();
}

const QList<QPair<qint32, qint32>> DefaultLimits = {{1, -1},   {2, 999}, {3, 999}, {4, 28},  {5, 99},
                                                    {6, 2000}, {7, 99},  {8, 2},   {9, 3000}};

// The 99 route slots of the route section, all empty but `named`.
QByteArray RouteSlots(int slot = -1, const QByteArray& named = {}) {
    LayoutWriter routes;
    routes.I16(99);
    for (int i = 0; i < 99; ++i)
        i == slot ? routes.Raw(named) : routes.Fixed("", 12).I16(0);
    return routes.Bytes();
}

} // namespace

// Byte for byte: an empty data set holds product information and empty route
// slots only; then every kind of object, the comment's length and the type
// coming before the comment.
TEST_F(SectionedWrite, EveryKindOfObjectIsLaidOutAsPublished) {
    data.SetDescription("Trip");
    SectionedFile empty("Trip");
    empty.Add(1, ProductSection(DefaultLimits));
    empty.Add(4, RouteSlots());
    const QByteArray saved = Save();
    EXPECT_EQ(saved, empty.Bytes(path.toUtf8(), 11));

    const auto* home = data.AddNewFileWaypoint(4, 100, -200, "Home", 3, 86400, "gate", 1);
    const auto* b = data.AddNewFileWaypoint(2, 7, 8, "B", 0, 0, "", 0);
    data.AddRoute(5, "Lake", {4, 2});
    const auto* icon = data.AddFileIcon(3, 2, 45.5, -122.25);
    data.AddTrail(1, "Walk", 0, 0, {1, 2}, {3, 4}, QList<bool>{true, false});
    SectionedFile full("Trip");
    full.Add(1, ProductSection(DefaultLimits));
    LayoutWriter lake, icons, trail;
    lake.Fixed("Lake", 12).I16(2).I16(0).I16(4).I16(0).I16(2);
    full.Add(4, RouteSlots(5, lake.Bytes()));
    icons.I16(1).I16(2).F64(icon->Latitude()).F64(icon->Longitude());
    full.Add(5, icons.Bytes());
    full.Add(9, Counted(2, Waypoint9(4, "Home", 3, 1, "gate", 100, -200, home->FileDate()) +
                               Waypoint9(2, "B", 0, 0, "", 7, 8, b->FileDate())));
    trail.I16(1).I16(1).Text16("Walk").I16(2).I32(1).I32(3).I16(-1).I32(2).I32(4).I16(0);
    full.Add(10, trail.Bytes());
    const QByteArray savedFull = Save();
    EXPECT_EQ(savedFull, full.Bytes(path.toUtf8(), 11));
}

// The route waypoint and trail point limits (keys 6 and 9) come from the table.
TEST_F(SectionedWrite, WithAProductTheTableSuppliesRouteWaypointsAndTrailPoints) {
    const QString ini = testing_support::WriteFile(dir.filePath("GPS.INI"),
                                                   "[Unit]\r\nid=12\r\nroutewpts=500\r\ndeltas=1000\r\n");
    GPSData withTable(ini);
    ASSERT_TRUE(withTable.SetProductID(12));
    path = dir.filePath("p.nrv");
    withTable.SetPath(path);
    ASSERT_TRUE(GPSDataFile(withTable).SaveFile());
    const QByteArray product = ProductSection({{1, 12},
                                               {2, withTable.MaxNumGPSWaypoints()},
                                               {3, withTable.MaxNumGPSIcons()},
                                               {4, withTable.MaxNumGPSIconSymbols()},
                                               {5, withTable.MaxNumGPSRoutes()},
                                               {7, withTable.MaxNumGPSWptsPerRoute()},
                                               {8, withTable.MaxNumGPSTrails()}});
    EXPECT_TRUE(testing_support::ReadFile(path).contains(product));

    GPSData back(ini);
    back.SetPath(path);
    GPSDataFile(back).OpenFile(false);
    EXPECT_EQ(back.ProductID(), 12);
    EXPECT_EQ(back.MaxNumGPSRouteWaypoints(), 500);
    EXPECT_EQ(back.MaxNumGPSTrailDeltas(), 1000);
}

TEST_F(SectionedWrite, AReloadGivesTheSameDataSetWithIconsRenumbered) {
    data.SetMaxNumGPSWaypoints(500);
    data.SetValidSymbol(5, false);
    data.AddNewFileWaypoint(4, 100, -200, "Home", 3, 86400, "gate code", 2);
    const auto aviation = qint16(0xE010);
    data.AddNewFileWaypoint(aviation, 1, 2, "KPDX", 0, 0, "", 0);
    data.AddRoute(0, "Fly", {aviation}); // the file holds the routes by slot
    data.AddRoute(5, "Lake", {4, 4});
    data.AddFileIcon(3, 2, 45.5, -122.25);
    data.AddFileIcon(7, 1, -10, 10);
    data.AddTrail(0, "Walk", 0, 0, {1, 2, 3}, {3, 4, 5}, QList<bool>{true, false, true});
    data.SetDescription("Trip");
    Save();
    Reload();
    EXPECT_FALSE(back.Dirty());
    EXPECT_EQ(back.Description(), "Trip");
    EXPECT_EQ(back.MaxNumGPSWaypoints(), 500);
    EXPECT_FALSE(back.ValidSymbol(5));
    ASSERT_NE(back.Route(0), nullptr);
    EXPECT_TRUE(back.Route(0)->LegIsJeppesen(0));
    // The icons are numbered from 0 again; all else comes back as it was.
    EXPECT_EQ(back.Icons().Keys(), (QList<qint16>{0, 1}));
    EXPECT_EQ(back.Icon(1)->IcnSymbol(), 1);
    for (const qint16 icon : {3, 7})
        data.DeleteIcon(icon);
    for (const qint16 icon : {0, 1})
        back.DeleteIcon(icon);
    EXPECT_EQ(testing_support::DataSetRecords(back), testing_support::DataSetRecords(data));
}

TEST_F(SectionedWrite, AFailedSaveLeavesTheOldFileAndSaysSo) {
    path = dir.filePath("old.nrv");
    // A large file fails while it is written; a small one only when the
    // buffer empties, which the commit alone does not notice.
    DataSetRecorder seen(data);
    for (const auto& [count, limit] : {std::pair{400, 4096}, std::pair{6, 512}}) {
        seen.errors.clear();
        testing_support::WriteFile(path, "previous contents");
        data.DeleteWaypoints();
        for (int i = 0; i < count; ++i)
            data.AddNewFileWaypoint(qint16(i), i, i, QString(40, 'N'), 0, 0, QString(200, 'c'), 0);
        data.SetPath(path);
        data.SetDirty(true);
        bool ok;
        {
            const testing_support::FileSizeLimit full(limit);
            ok = GPSDataFile(data).SaveFile();
        }
        EXPECT_FALSE(ok) << count;
        ASSERT_EQ(seen.errors.size(), 1);
        EXPECT_TRUE(seen.errors[0].startsWith("Error saving " + path + "\r\n"))
            << seen.errors[0].toStdString();
        EXPECT_TRUE(data.Dirty());
        EXPECT_EQ(testing_support::ReadFile(path), "previous contents") << count;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.nrv"})
            << "no temporary file is left";
    }
}

// Saved under a path of eighty-five bytes, the size of a cartridge mark.
TEST_F(SectionedWrite, UnusedTemporaryWaypointsAreDroppedTheSetIsCleanAndALongPathIsStillReadBack) {
    const QString base = dir.path() + "/";
    path = base + QString(85 - base.toUtf8().size() - 4, 'n') + ".nrv";
    ASSERT_EQ(path.toUtf8().size(), 85);
    data.SetPath(path);
    data.AddNewFileWaypoint(1, 0, 0, "Temp", 0, 0, "", 1);
    data.AddNewFileWaypoint(2, 0, 0, "Kept", 0, 0, "", 1);
    data.AddNewFileWaypoint(3, 0, 0, "Mine", 0, 0, "", 0);
    data.AddRoute(0, "R", {2});
    data.SetDirty(true);
    ASSERT_TRUE(GPSDataFile(data).SaveFile());
    EXPECT_EQ(data.Waypoints().Keys(), (QList<qint16>{2, 3})) << "only the unused temporary one goes";
    EXPECT_FALSE(data.Dirty());
    Reload();
    EXPECT_EQ(back.CountWaypoints(), 2);
}
