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
} // namespace
