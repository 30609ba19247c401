#include "mapbuild/SettingsLine.h"
#include "mapbuild/SettingsLineWriter.h"

#include <gtest/gtest.h>

using mapbuild::SettingsLine;
using mapbuild::SettingsLineWriter;

namespace {

TEST(SettingsLineReading, FlagsInAnyCaseAndNumbersWithinRange) {
    EXPECT_EQ(SettingsLine(QStringLiteral("K tRUe")).Flag(2), true);
    EXPECT_EQ(SettingsLine(QStringLiteral("K FALSE")).Flag(2), false);
    EXPECT_EQ(SettingsLine(QStringLiteral("K -1")).Flag(2), true);
    EXPECT_FALSE(SettingsLine(QStringLiteral("K maybe")).Flag(2));

    EXPECT_FALSE(SettingsLine(QStringLiteral("K 40000")).Integer(2, -32768, 32767));
    EXPECT_FALSE(SettingsLine(QStringLiteral("K nan")).Number(2));
    EXPECT_FALSE(SettingsLine(QStringLiteral("K inf")).Integer(2, 0, 10));
    EXPECT_FALSE(SettingsLine(QStringLiteral("K")).Number(2));
    EXPECT_EQ(SettingsLine(QStringLiteral("K 2.5")).Integer(2, 0, 10), 2); // ties to even
}

TEST(SettingsLineWriting, SinglesAreWrittenShortest) {
    EXPECT_EQ(SettingsLineWriter::NumberText(0.1f), QStringLiteral(" 0.1 "));
    EXPECT_EQ(SettingsLineWriter::NumberText(1.5e7f), QStringLiteral(" 1.5e+07 "));
}

} // namespace
