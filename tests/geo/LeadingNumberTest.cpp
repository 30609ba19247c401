#include "geo/LeadingNumber.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>

using geo::LeadingNumber;

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    EXPECT_EQ(LeadingNumber(u"45"), 45);
    EXPECT_EQ(LeadingNumber(u"45\u00B030.000'"), 45);
    EXPECT_EQ(LeadingNumber(u"12.5 miles"), 12.5);
    EXPECT_EQ(LeadingNumber(u".5"), 0.5);
    EXPECT_EQ(LeadingNumber(u"5."), 5);
    EXPECT_EQ(LeadingNumber(u"007"), 7);
    EXPECT_EQ(LeadingNumber(u"0.0001"), 0.0001);
}

TEST(LeadingNumber, SpacesAnywhereAreSkipped) {
    EXPECT_EQ(LeadingNumber(u"   12"), 12);
    EXPECT_EQ(LeadingNumber(u"1 2 . 5"), 12.5);
    EXPECT_EQ(LeadingNumber(u"- 5"), -5);
    EXPECT_EQ(LeadingNumber(u"1 e 3"), 1000);
}

TEST(LeadingNumber, SignsAndExponents) {
    EXPECT_EQ(LeadingNumber(u"-33.5"), -33.5);
    EXPECT_EQ(LeadingNumber(u"+7"), 7);
    EXPECT_EQ(LeadingNumber(u"1e3"), 1000);
    EXPECT_EQ(LeadingNumber(u"1E-2"), 0.01);
    EXPECT_EQ(LeadingNumber(u"2.5e+1x"), 25);
    // An exponent without digits adds nothing.
    EXPECT_EQ(LeadingNumber(u"1e"), 1);
    EXPECT_EQ(LeadingNumber(u"2E+"), 2);
}

TEST(LeadingNumber, StopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(LeadingNumber(u"1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber(u"3-4"), 3);
    EXPECT_EQ(LeadingNumber(u"0x10"), 0);
    EXPECT_EQ(LeadingNumber(u"1,5"), 1);
    EXPECT_EQ(LeadingNumber(u"4\t5"), 4);
}

TEST(LeadingNumber, NoDigitReadsAsZero) {
    EXPECT_EQ(LeadingNumber(u""), 0);
    EXPECT_EQ(LeadingNumber(u"abc"), 0);
    EXPECT_EQ(LeadingNumber(u"-"), 0);
    EXPECT_EQ(LeadingNumber(u"."), 0);
    EXPECT_EQ(LeadingNumber(u"e5"), 0);
    EXPECT_EQ(LeadingNumber(u"\u00B0"), 0);
    // Digits of other scripts are not decimal digits here.
    EXPECT_EQ(LeadingNumber(u"\u0661\u0662"), 0);
}

TEST(LeadingNumber, ExtremeTextsStayBounded) {
    EXPECT_TRUE(std::isinf(LeadingNumber(u"1e999")));
    EXPECT_TRUE(std::isinf(LeadingNumber(u"9e99999999999999999999")));
    EXPECT_EQ(LeadingNumber(u"1e-999"), 0);
    EXPECT_EQ(LeadingNumber(u"0e99999"), 0);
    EXPECT_TRUE(std::isinf(LeadingNumber(QString(100000, u'9'))));
    EXPECT_EQ(LeadingNumber(QStringLiteral("0.") + QString(100000, u'0') + QStringLiteral("1")), 0);
    EXPECT_EQ(LeadingNumber(QString(100000, u'0') + QStringLiteral("25")), 25);
}
