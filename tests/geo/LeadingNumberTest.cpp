#include "geo/LeadingNumber.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>

using geo::LeadingNumber;

// Spaces anywhere are skipped, an exponent without digits adds nothing, the
// first other character ends the number and a text without a digit reads as 0
// (digits of other scripts are not decimal digits here).
TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    const std::pair<const char16_t*, double> cases[] = {
        {u"45\u00B030.000'", 45},
        {u"12.5 miles", 12.5},
        {u".5", 0.5},
        {u"5.", 5},
        {u"   12", 12},
        {u"1 2 . 5", 12.5},
        {u"- 5", -5},
        {u"1 e 3", 1000},
        {u"+7", 7},
        {u"1E-2", 0.01},
        {u"2.5e+1x", 25},
        {u"1e", 1},
        {u"2E+", 2},
        {u"1.2.3", 1.2},
        {u"3-4", 3},
        {u"0x10", 0},
        {u"1,5", 1},
        {u"4\t5", 4},
        {u"", 0},
        {u"-", 0},
        {u".", 0},
        {u"e5", 0},
        {u"\u00B0", 0},
        {u"\u0661\u0662", 0},
        {u"1e-999", 0},
        {u"0e99999", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(LeadingNumber(text), value) << QString::fromUtf16(text).toStdString();
    // Extreme texts stay bounded.
    EXPECT_TRUE(std::isinf(LeadingNumber(u"1e999")));
    EXPECT_TRUE(std::isinf(LeadingNumber(u"9e99999999999999999999")));
    EXPECT_TRUE(std::isinf(LeadingNumber(QString(100000, u'9'))));
    EXPECT_EQ(LeadingNumber(QStringLiteral("0.") + QString(100000, u'0') + QStringLiteral("1")), 0);
    EXPECT_EQ(LeadingNumber(QString(100000, u'0') + QStringLiteral("25")), 25);
}
