#include "gpsdata/GPSData.h"

#include <gtest/gtest.h>

using gpsdata::GPSData;

TEST(AutoName, AutomaticNamesNumberFromOneWithThreeDigitsAndAreRenumberedAlone) {
    EXPECT_EQ(GPSData::AutoName("Wpt", 0), "Wpt 001*");
    EXPECT_EQ(GPSData::AutoName("Rte", 98), "Rte 099*");
    EXPECT_EQ(GPSData::AutoName("Rte", 1233), "Rte 1234*");

    EXPECT_EQ(GPSData::TranslateName("Wpt 001*", 4), "Wpt 005*");
    EXPECT_EQ(GPSData::TranslateName("HOME*", 4), "HOME005*");
    EXPECT_EQ(GPSData::TranslateName("HOME", 4), "HOME");
    EXPECT_EQ(GPSData::TranslateName("A*B*", 0), "A001*");
    EXPECT_EQ(GPSData::TranslateName("*", 9), "010*");
}

TEST(FixName, UpperCaseCutAndUnitCharactersOnly) {
    EXPECT_EQ(GPSData::FixName("a-b_c?", 4), "A-B ");
    EXPECT_EQ(GPSData::FixName("x/y\\(z).*9", 20), "X/Y\\(Z).*9");
    EXPECT_EQ(GPSData::FixName("caf\u00e9 #1", 12), "CAF   1");
    EXPECT_EQ(GPSData::FixName("abc", 0), "");
    EXPECT_EQ(GPSData::FixName("abc", -3), "");
}

// Words capitalised, ordinal endings after digits in lower case (whole endings
// only), unprintable characters dropped and the ends trimmed.
TEST(DisplayName, CapitalisesWordsKeepsOrdinalsAndDropsUnprintables) {
    const std::pair<QString, QString> cases[] = {
        {"MOUNT HOOD", "Mount Hood"},
        {"mount-hood", "Mount-Hood"},
        {"O'NEIL", "O'neil"},
        {"A`B", "A`b"},
        {"1ST", "1st"},
        {"22ND AVE", "22nd Ave"},
        {"3RD", "3rd"},
        {"4TH-5TH", "4th-5th"},
        {"1STREET", "1Street"},
        {"  A\rB\tC\n ", "A Bc"},
        {"caf\u00e9", "Caf"},
        {"", ""},
    };
    for (const auto& [name, shown] : cases)
        EXPECT_EQ(GPSData::DisplayName(name), shown) << name.toStdString();
}

TEST(DisplayName, TheLinksAlphabetKeepsEveryPrintableCharacter) {
    using Alphabet = gpsdata::NameRules::Alphabet;
    EXPECT_EQ(GPSData::DisplayName("CAF\u00c9 Z\u00dcRICH\u0001", Alphabet::Any), "Caf\u00e9 Z\u00fcrich");
    EXPECT_EQ(GPSData::DisplayName("\u6771\u4eac 2ND", Alphabet::Any), "\u6771\u4eac 2nd");
    GPSData data;
    data.AddWaypoint(0, 0, 0, 0, "CAF\u00c9", 0, 0, 0);
    data.AddRouteWithCollection(0, "Z\u00dcRICH", {0});
    data.AddNewFileWaypoint(1, 0, 0, "CAF\u00c9", 0, 0, "", 0);
    data.AddRoute(1, "  TO O'NEIL FARM ", {});
    EXPECT_EQ(data.Waypoint(0)->WptName(), "Caf\u00e9");
    EXPECT_EQ(data.Route(0)->RteName(), "Z\u00fcrich");
    EXPECT_EQ(data.Waypoint(1)->WptName(), "Caf") << "the sectioned files keep ASCII";
    EXPECT_EQ(data.Route(1)->RteName(), "To O'neil Farm");
}
