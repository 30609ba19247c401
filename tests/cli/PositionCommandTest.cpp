#include "CliRun.h"

#include "geo/Coordinates.h"
#include "geo/PositionEntry.h"
#include "geo/PositionText.h"

#include <gtest/gtest.h>

#include <QJsonArray>

namespace {

QStringList Strings(const QJsonValue& value) {
    QStringList strings;
    for (const QJsonValue& item : value.toArray())
        strings << item.toString();
    return strings;
}

const QString Deg = QStringLiteral("\u00B0");

} // namespace

// The texts themselves are the position library's (tests/geo); here they must
// be the ones of the internal values, for every format that has them.
TEST(CliPosition, DegreesGiveInternalValuesTextsAndEntries) {
    const CliRun run = RunCli({"position", "--lat", "5.05", "--lon", "-93.265", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonObject json = run.Json();
    const qint32 x = -10347402, y = 561005;
    EXPECT_EQ(json["x"].toInteger(), x);
    EXPECT_EQ(json["y"].toInteger(), y);
    // Read back from the internal values, not the degrees given.
    EXPECT_EQ(json["latitude"].toDouble(), geo::YToLatitude(y));
    EXPECT_EQ(json["longitude"].toDouble(), geo::XToLongitude(x));
    for (const int format : {2, 3, 4, 5}) {
        const QString key = QString::number(format);
        EXPECT_EQ(Strings(json["text"][key]),
                  QStringList({geo::FormatLatitude(y, format), geo::FormatLongitude(x, format)}));
        const geo::PositionEntry e = geo::MakePositionEntry(x, y, format);
        EXPECT_EQ(Strings(json["entry"][key]),
                  QStringList({e.latitudeText, e.longitudeText, e.northSouth, e.eastWest}));
    }
    EXPECT_FALSE(json["text"].toObject().contains("1"));
}

// Internal values given, the plain text shows the degrees read back from them.
TEST(CliPosition, PlainTextShowsSeventeenDigits) {
    const CliRun run = RunCli({"position", "--x", "-10347402", "--y", "561005"});
    ASSERT_EQ(run.exitCode, 0);
    const QString text = run.Text();
    EXPECT_TRUE(text.contains("latitude: 5.0499962396851794\n")) << qPrintable(text);
    EXPECT_TRUE(text.contains("longitude: -93.264996319357508\n"));
    EXPECT_TRUE(text.contains("text 3 (Deg, Min): N  5" + Deg + "03.000'  W  93" + Deg + "15.900'\n"));
}

// Format 1 enters positions as format 4 does.
TEST(CliPosition, ValidEntriesAreParsedWithTheirHemispheres) {
    const struct {
        QStringList arguments;
        double latitude, longitude;
    } cases[] = {
        {{"--format", "3", "--entry", "05" + Deg + "03.000'", "093" + Deg + "15.900'", "--west"},
         5.05,
         -93.265},
        {{"--format", "1", "--entry", "33" + Deg + "52'07.7\"", "151" + Deg + "12'33.5\"", "--south"},
         -(33 + 52 / 60.0 + 7.7 / 3600),
         151 + 12 / 60.0 + 33.5 / 3600},
        {{"--format", "5", "--entry", "00561005", "10347402", "--west"},
         geo::YToLatitude(561005),
         -geo::XToLongitude(10347402)},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(QStringList{"position"} + c.arguments + QStringList{"--json"});
        ASSERT_EQ(run.exitCode, 0) << qPrintable(c.arguments.join(' '));
        const QJsonObject json = run.Json();
        EXPECT_EQ(json["valid"].toBool(), true);
        EXPECT_EQ(json["message"].toString(), QString());
        EXPECT_DOUBLE_EQ(json["latitude"].toDouble(), c.latitude);
        EXPECT_DOUBLE_EQ(json["longitude"].toDouble(), c.longitude);
        EXPECT_EQ(json["x"].toInteger(), geo::LongitudeToX(c.longitude));
        EXPECT_EQ(json["y"].toInteger(), geo::LatitudeToY(c.latitude));
    }
}

TEST(CliPosition, InvalidEntryGivesTheMessageAndNoPosition) {
    const CliRun run = RunCli(
        {"position", "--format", "3", "--entry", "00" + Deg + "00.000'", "181" + Deg + "00.000'", "--json"});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject json = run.Json();
    EXPECT_EQ(json["valid"].toBool(), false);
    EXPECT_EQ(json["message"].toString(), "Longitude angle must be <= 180 degrees.");
    EXPECT_EQ(json.keys(), QStringList({"message", "valid"}));

    const CliRun text = RunCli({"position", "--format", "2", "--entry", "90.00000000" + Deg, "0"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.Text(), "valid: false\nmessage: Latitude value must be < 90 degrees.\n");
}

TEST(CliPosition, OutOfRangePositionsAreErrors) {
    const QList<QStringList> cases = {
        {"position", "--lat", "95", "--lon", "0"},
        {"position", "--lat", "0", "--lon", "1e10"},
        {"position", "--lat", "nan", "--lon", "0"},
        {"position", "--x", "3000000000", "--y", "0"},
        {"position", "--x", "-2147483648", "--y", "0"},
        {"position", "--format", "5", "--entry", "99999999999", "0"},
        {"position", "--format", "2", "--entry", "-95", "0"},
    };
    for (const QStringList& arguments : cases) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 1) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.out.isEmpty()) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.err.contains("outside the range")) << qPrintable(arguments.join(' '));
    }
}

TEST(CliPosition, BadArgumentsShowTheUsage) {
    const QList<QStringList> cases = {
        {"position"},
        {"position", "--lat", "abc", "--lon", "0"},
        {"position", "--x", "1.5", "--y", "0"},
        {"position", "--lat", "5", "--lon", "0", "--x", "1"},
        {"position", "--lat", "5", "--lon", "0", "--south"},
        {"position", "--format", "6", "--entry", "0", "0"},
        {"position", "--entry", "0", "0"},
        {"position", "--lat", "5", "--lon", "0", "extra"},
        {"position", "--bogus"},
    };
    for (const QStringList& arguments : cases) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.out.isEmpty()) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.err.contains("usage:")) << qPrintable(arguments.join(' '));
    }
}
