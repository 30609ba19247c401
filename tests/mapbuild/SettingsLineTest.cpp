#include "mapbuild/SettingsLine.h"
#include "mapbuild/SettingsLineWriter.h"

#include <gtest/gtest.h>

using mapbuild::SettingsLine;
using mapbuild::SettingsLineWriter;

namespace {

// The key is the text before the first blank; runs of blanks separate words;
// texts keep their inner blanks.
TEST(SettingsLineReading, KeysWordsAndTexts) {
    const SettingsLine line(QStringLiteral("Point         3             -120    \t      77 \r\n"));
    EXPECT_EQ(line.Key(), QStringLiteral("Point"));
    EXPECT_EQ(line.WordCount(), 4);
    EXPECT_EQ(line.Word(2), QStringLiteral("3"));
    EXPECT_EQ(line.Integer(3, INT32_MIN, INT32_MAX), -120);
    EXPECT_EQ(line.Integer(4, INT32_MIN, INT32_MAX), 77);
    EXPECT_EQ(SettingsLine(QStringLiteral("BaudRate  9600 \r\n")).Rest(), QStringLiteral(" 9600 "));
    EXPECT_EQ(SettingsLine(QStringLiteral("Version")).Key(), QStringLiteral("Version"));
    EXPECT_EQ(SettingsLine(QStringLiteral("MapFontName Courier  New")).Rest(),
              QStringLiteral("Courier  New"));
}

TEST(SettingsLineReading, FlagsInAnyCaseAndNumbers) {
    EXPECT_EQ(SettingsLine(QStringLiteral("K tRUe")).Flag(2), true);
    EXPECT_EQ(SettingsLine(QStringLiteral("K FALSE")).Flag(2), false);
    EXPECT_EQ(SettingsLine(QStringLiteral("K -1")).Flag(2), true);
    EXPECT_FALSE(SettingsLine(QStringLiteral("K maybe")).Flag(2));
}

TEST(SettingsLineReading, NumbersOutOfRangeOrNotFiniteAreRefused) {
    EXPECT_FALSE(SettingsLine(QStringLiteral("K 40000")).Integer(2, -32768, 32767));
    EXPECT_FALSE(SettingsLine(QStringLiteral("K nan")).Number(2));
    EXPECT_FALSE(SettingsLine(QStringLiteral("K inf")).Integer(2, 0, 10));
    EXPECT_FALSE(SettingsLine(QStringLiteral("K")).Number(2));
    EXPECT_EQ(SettingsLine(QStringLiteral("K 2.5")).Integer(2, 0, 10), 2); // ties to even
}

TEST(SettingsLineWriting, NumbersCarryTheirBlanks) {
    SettingsLineWriter out;
    out.Integer(QStringLiteral("BaudRate"), 9600);
    out.Single(QStringLiteral("FormHeight"), 7200, SettingsLineWriter::Blank::None);
    out.Single(QStringLiteral("FormLeft"), -120);
    out.Flag(QStringLiteral("ViewToolbar"), true);
    out.Double(QStringLiteral("ZoomRange"), 12.5);
    out.Text(QStringLiteral("MapFontName"), QStringLiteral("Courier New"));
    out.Integers(QStringLiteral("EditRouteList"), {1, -2});
    EXPECT_EQ(out.Bytes(), QByteArray("BaudRate  9600 \r\n"
                                      "FormHeight 7200 \r\n"
                                      "FormLeft -120 \r\n"
                                      "ViewToolbar True\r\n"
                                      "ZoomRange  12.5 \r\n"
                                      "MapFontName Courier New\r\n"
                                      "EditRouteList  1 -2 \r\n"));
}

TEST(SettingsLineWriting, SinglesAreWrittenShortest) {
    EXPECT_EQ(SettingsLineWriter::NumberText(0.1f), QStringLiteral(" 0.1 "));
    EXPECT_EQ(SettingsLineWriter::NumberText(1.5e7f), QStringLiteral(" 1.5e+07 "));
}

TEST(SettingsLineWriting, ZonedFieldsStartAtColumnsOneMoreThanMultiplesOf14) {
    SettingsLineWriter out;
    out.Zoned(QStringLiteral("Polygon"), {SettingsLineWriter::NumberText(qint64(0)), QStringLiteral("True"),
                                          SettingsLineWriter::NumberText(qint64(4))});
    out.Zoned(QStringLiteral("Point"),
              {SettingsLineWriter::NumberText(qint64(1)), SettingsLineWriter::NumberText(qint64(-8899123)),
               SettingsLineWriter::NumberText(qint64(4400500))});
    EXPECT_EQ(out.Bytes(), QByteArray("Polygon        0            True           4 \r\n"
                                      "Point          1            -8899123       4400500 \r\n"));
}

} // namespace
