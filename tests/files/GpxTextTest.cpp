#include "files/GpxReader.h"
#include "files/GpxWriter.h"
#include "files/IsoTime.h"

#include <QRandomGenerator>
#include <QTimeZone>

#include <gtest/gtest.h>

using files::IsoTime;

namespace {

// The hand-made converters must agree with Qt's, which they stand in for.
TEST(IsoTime, ReadsEveryFormAndWritesAnyMomentAsQtDoes) {
    // Valid and invalid forms, one after the other, between bars.
    const QList<QByteArray> texts =
        QByteArray("2024-02-29T23:59:59Z|2023-02-29T12:00:00Z|2023-12-31T00:00:00Z|1970-01-01T00:00:00Z|"
                   "1969-12-31T23:59:59Z|0001-01-01T00:00:00Z|9999-12-31T23:59:59Z|"
                   "2024-05-01T12:30:15.5Z|2024-05-01T12:30:15.123Z|2024-05-01T12:30:15.1236Z|"
                   "2024-05-01T12:30:15.Z|2024-05-01T24:00:00Z|2024-05-01T12:60:00Z|"
                   "2024-05-01T12:30:60Z|2024-13-01T00:00:00Z|2024-00-10T00:00:00Z|2024-05-00T00:00:00Z|"
                   "2024-05-01T12:30:15+02:00|2024-05-01T12:30:15|2024-05-01 12:30:15Z|"
                   "2024-05-01T1a:30:15Z|2024-05-01||garbage that is long enough|-024-05-01T12:30:15Z|"
                   "2024-05-01T12:30:15.12xZ")
            .split('|');
    for (const QByteArray& text : texts) {
        const QDateTime ours = IsoTime::Parse(text);
        const QDateTime qt = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODateWithMs);
        EXPECT_EQ(ours.isValid(), qt.isValid()) << text.constData();
        if (qt.isValid()) {
            EXPECT_EQ(ours.toMSecsSinceEpoch(), qt.toMSecsSinceEpoch()) << text.constData();
            EXPECT_EQ(ours.timeSpec(), qt.timeSpec()) << text.constData();
        }
    }
    // And writes as Qt does at any moment and zone.
    QRandomGenerator random(7);
    const QTimeZone zones[] = {QTimeZone::utc(), QTimeZone(3600 * 5 + 1800), QTimeZone(-3600 * 8)};
    for (int i = 0; i < 2000; ++i) {
        // From 1900 to 2100, to the millisecond.
        const qint64 ms = random.bounded(qint64(-2208988800000), qint64(4102444800000));
        const QDateTime time = QDateTime::fromMSecsSinceEpoch(ms, zones[i % 3]);
        std::string ours;
        IsoTime::AppendUtc(ours, time);
        ASSERT_EQ(QString::fromStdString(ours), time.toUTC().toString(Qt::ISODate)) << ms;
    }
}

TEST(GpxPositions, AreDecimalsThatReadBackExactlyAndTakeASignAndBlanksButNothingElse) {
    files::GpxDocument doc;
    const double values[][2] = {{0.00001, -0.000001}, {-89.99999999999999, 179.99999999999997},
                                {45.5, -122.25},      {-33.8688197, 151.2092955},
                                {1e-300, -0.0},       {90, -180}};
    for (const auto& v : values) {
        files::GpxPoint p;
        p.latitude = v[0];
        p.longitude = v[1];
        doc.waypoints << p;
    }
    const QByteArray text = files::GpxWriter::Write(doc);
    // The schema's decimals have no exponent.
    EXPECT_FALSE(text.contains("e-")) << text.constData();
    const files::GpxReader::Result back = files::GpxReader::Read(text);
    ASSERT_TRUE(back.error.isEmpty()) << back.error.toStdString();
    ASSERT_EQ(back.document.waypoints.size(), std::size(values));
    for (qsizetype i = 0; i < back.document.waypoints.size(); ++i) {
        EXPECT_EQ(back.document.waypoints[i].latitude, values[i][0]);
        EXPECT_EQ(back.document.waypoints[i].longitude, values[i][1]);
    }
    // Read, they take a sign and blanks but nothing else.
    const auto latitude = [](const char* value) -> std::optional<double> {
        const QByteArray text = QByteArray("<gpx><wpt lat=\"") + value + "\" lon=\"0\"/></gpx>";
        const files::GpxReader::Result r = files::GpxReader::Read(text);
        if (!r.error.isEmpty())
            return std::nullopt;
        return r.document.waypoints.value(0).latitude;
    };
    EXPECT_EQ(latitude(" +45.25 "), 45.25);
    EXPECT_EQ(latitude("-1e1"), -10);
    for (const char* bad : {"", "45.25x", "nan", "inf", "90.5", "0x10", "4 5", "++1"})
        EXPECT_EQ(latitude(bad), std::nullopt) << bad;
}

} // namespace
