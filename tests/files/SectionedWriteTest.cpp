#include "DataSetRecorder.h"
#include "LayoutWriter.h"
#include "files/GPSDataFile.h"
#include "gpsdata/GPSData.h"
#include "support/DataSetRecords.h"
#include "support/FileSizeLimit.h"
#include "support/QStringPrinter.h"
#include "support/TestFiles.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using files::GPSDataFile;
using gpsdata::GPSData;

namespace {

// Reads a saved file back field by field from the published layout.
class LayoutReader {
public:
    explicit LayoutReader(const QByteArray& bytes) : m_bytes(bytes), m_in(m_bytes) {
        m_in.setByteOrder(QDataStream::LittleEndian);
        m_in.setFloatingPointPrecision(QDataStream::DoublePrecision);
    }
    quint8 I8() { return Get<quint8>(); }
    qint16 I16() { return Get<qint16>(); }
    qint32 I32() { return Get<qint32>(); }
    double F64() { return Get<double>(); }
    QByteArray Raw(int n) {
        QByteArray b(n, '\0');
        m_in.readRawData(b.data(), n);
        return b;
    }
    QByteArray Text8() { return Raw(I8()); }
    QByteArray Text16() { return Raw(I16()); }
    // Moves to a 1-based position.
    void Seek(qint32 position) { m_in.device()->seek(position - 1); }
    qint32 Next() const { return qint32(m_in.device()->pos()) + 1; }
    bool Ok() const { return m_in.status() == QDataStream::Ok; }

private:
    template <typename T> T Get() {
        T v{};
        m_in >> v;
        return v;
    }
    QByteArray m_bytes;
    QDataStream m_in;
};

struct Entry {
    qint32 type, position, length;
};

class SectionedWrite : public ::testing::Test {
protected:
    QByteArray Save() {
        path = dir.filePath("saved.nrv");
        data.SetPath(path);
        EXPECT_TRUE(GPSDataFile(data).SaveFile());
        return testing_support::ReadFile(path);
    }

    // Reads the header and the directory; leaves `in` after the directory.
    QList<Entry> Directory(LayoutReader& in, Entry* closing = nullptr) {
        EXPECT_EQ(QString::fromUtf8(in.Text8()), path);
        EXPECT_EQ(in.Text8(), "");
        EXPECT_EQ(in.Text8(), "");
        description = in.Text8();
        EXPECT_EQ(in.I16(), -1);
        directoryStart = in.Next();
        QList<Entry> entries;
        for (;;) {
            Entry e{in.I32(), in.I32(), in.I32()};
            if (!in.Ok() || e.type == -1) {
                if (closing)
                    *closing = e;
                return entries;
            }
            entries.append(e);
        }
    }

    // Opens the saved file again, into `back`.
    void Reload() {
        back.SetPath(path);
        GPSDataFile(back).OpenFile(false);
        EXPECT_TRUE(seen.errors.isEmpty()) << seen.errors.join("|").toStdString();
    }

    QTemporaryDir dir;
    QString path;
    QByteArray description;
    qint32 directoryStart = 0;
    GPSData data;
    GPSData back;
    DataSetRecorder seen{back};
};

QList<qint32> Types(const QList<Entry>& entries) {
    QList<qint32> types;
    for (const Entry& e : entries)
        types << e.type;
    return types;
}

// The 99 route slots of the route section, all empty but `named`.
QByteArray RouteSlots(int slot = -1, const QByteArray& named = {}) {
    LayoutWriter routes;
    routes.I16(99);
    for (int i = 0; i < 99; ++i)
        i == slot ? routes.Raw(named) : routes.Fixed("", 12).I16(0);
    return routes.Bytes();
}

} // namespace

TEST_F(SectionedWrite, AnEmptyDataSetHoldsProductInformationAndEmptyRouteSlots) {
    data.SetDescription("Trip");
    LayoutReader in(Save());
    Entry closing{};
    const QList<Entry> entries = Directory(in, &closing);
    EXPECT_EQ(description, "Trip");
    ASSERT_EQ(Types(entries), (QList<qint32>{1, 4}));
    EXPECT_EQ(entries[0].position, directoryStart + 132);
    EXPECT_EQ(entries[1].position, entries[0].position + entries[0].length);
    EXPECT_EQ(closing.type, -1);
    EXPECT_EQ(closing.position, entries[1].length) << "the closing entry holds the last length first";
    EXPECT_EQ(closing.length, entries[1].position + entries[1].length);

    // The limits by key, then every symbol marked valid.
    LayoutWriter product;
    product.I16(37);
    const qint32 limits[] = {-1, 999, 999, 28, 99, 2000, 99, 2, 3000};
    for (qint32 key = 1; key <= 9; ++key)
        product.I32(key).I32(limits[key - 1]);
    for (qint32 symbol = 0; symbol < 28; ++symbol)
        product.I32(1000 + symbol).I32(-1);
    in.Seek(entries[0].position);
    EXPECT_EQ(in.Raw(entries[0].length), product.Bytes());
    EXPECT_EQ(in.Raw(entries[1].length), RouteSlots());
}

TEST_F(SectionedWrite, EveryKindOfObjectIsLaidOutAsPublished) {
    const auto* home = data.AddNewFileWaypoint(4, 100, -200, "Home", 3, 86400, "gate", 1);
    const auto* b = data.AddNewFileWaypoint(2, 7, 8, "B", 0, 0, "", 0);
    data.AddRoute(5, "Lake", {4, 2});
    data.AddFileIcon(3, 2, 45.5, -122.25);
    data.AddTrail(1, "Walk", 0, 0, {1, 2}, {3, 4}, QList<bool>{true, false});
    LayoutReader in(Save());
    const QList<Entry> entries = Directory(in);
    ASSERT_EQ(Types(entries), (QList<qint32>{1, 4, 5, 9, 10}));
    for (int i = 1; i < entries.size(); ++i)
        EXPECT_EQ(entries[i].position, entries[i - 1].position + entries[i - 1].length);
    const auto section = [&](int i) {
        in.Seek(entries[i].position);
        return in.Raw(entries[i].length);
    };

    LayoutWriter lake;
    lake.Fixed("Lake", 12).I16(2).I16(0).I16(4).I16(0).I16(2);
    EXPECT_EQ(section(1), RouteSlots(5, lake.Bytes()));

    in.Seek(entries[2].position);
    EXPECT_EQ(in.I16(), 1);
    EXPECT_EQ(in.I16(), 2);
    EXPECT_NEAR(in.F64(), 45.5, 1e-5);
    EXPECT_NEAR(in.F64(), -122.25, 1e-5);
    EXPECT_EQ(entries[2].length, 2 + 18);

    // The comment's length and the type come before the comment.
    EXPECT_EQ(section(3), Counted(2, Waypoint9(4, "Home", 3, 1, "gate", 100, -200, home->FileDate()) +
                                         Waypoint9(2, "B", 0, 0, "", 7, 8, b->FileDate())));
    LayoutWriter trail;
    trail.I16(1).I16(1).Text16("Walk").I16(2).I32(1).I32(3).I16(-1).I32(2).I32(4).I16(0);
    EXPECT_EQ(section(4), trail.Bytes());
}

TEST_F(SectionedWrite, WithAProductTheTableSuppliesRouteWaypointsAndTrailPoints) {
    const QString ini = testing_support::WriteFile(dir.filePath("GPS.INI"),
                                                   "[Unit]\r\nid=12\r\nroutewpts=500\r\ndeltas=1000\r\n");
    GPSData withTable(ini);
    ASSERT_TRUE(withTable.SetProductID(12));
    path = dir.filePath("p.nrv");
    withTable.SetPath(path);
    ASSERT_TRUE(GPSDataFile(withTable).SaveFile());
    LayoutReader in(testing_support::ReadFile(path));
    const QList<Entry> entries = Directory(in);
    in.Seek(entries[0].position);
    EXPECT_EQ(in.I16(), 7 + 28);
    QList<qint32> keys;
    for (int i = 0; i < 7; ++i) {
        keys << in.I32();
        in.I32();
    }
    EXPECT_EQ(keys, (QList<qint32>{1, 2, 3, 4, 5, 7, 8}));

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
