#include "geo/NumberFormat.h"
#include "geo/NumericError.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <limits>

using geo::NumberFormat;

namespace {

QString Format(double value, const char16_t* pattern) {
    return NumberFormat::Apply(value, QStringView(pattern));
}

} // namespace

TEST(NumberFormat, AppliesThePattern) {
    const struct {
        double value;
        const char16_t* pattern;
        const char16_t* text;
    } cases[] = {
        // Half way rounds away from zero.
        {0.125, u"#####0.0#", u"0.13"},
        {2.5, u"00", u"03"},
        {59.95, u"00.0", u"60.0"},
        {0.0005, u"00.000", u"00.001"},
        // Decimal value counts not the binary one.
        {2.675, u"#####0.0#", u"2.68"},
        // Value is taken at fifteen significant digits.
        {1.0000000000000002, u"#0.00000000", u"1.00000000"},
        // 2.4999999999999996 reads as 2.50000000000000 and then rounds up.
        {2.4999999999999996, u"00", u"03"},
        {4.9999999999999996e-9, u"#0.00000000", u"0.00000001"},
        // A value just below half at 15 digits stays below.
        {2.49999999999999, u"00", u"02"},
        // Zero places are always written.
        {7, u"0000", u"0007"},
        {0.5, u"##0.00000000", u"0.50000000"},
        // Longer integers are not cut.
        {12345, u"0000", u"12345"},
        // Large numbers keep fifteen digits.
        {1234567890123456789.0, u"#0.00000000", u"1234567890123460000.00000000"},
        // Sixteen significant digits: the last one rounds away first.
        {999999999999999.9, u"#####0.0#", u"1000000000000000.0"},
        // Tiny numbers round to zero.
        {std::numeric_limits<double>::denorm_min(), u"#####0.0#", u"0.0"},
        // Negative numbers keep their sign.
        {-2.5, u"00", u"-03"},
        // A negative number that rounds to zero is shown as zero, without a sign.
        {-0.001, u"00.0", u"00.0"},
        {-0.0, u"00", u"00"},
        // Optional decimals only when not zero.
        {12, u"#####0.0#", u"12.0"},
        {0.04, u"#####0.0#", u"0.04"},
        {0.004, u"#####0.0#", u"0.0"},
        {99.995, u"#####0.0#", u"100.0"},
        // Carry runs through every digit.
        {9.9999, u"00.000", u"10.000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern), QStringView(c.text))
            << c.value << " " << QStringView(c.pattern).toString().toStdString();
    // Numbers without a value are a numeric error.
    EXPECT_THROW(Format(std::numeric_limits<double>::infinity(), u"00"), geo::NumericError);
    EXPECT_THROW(Format(-std::numeric_limits<double>::infinity(), u"00"), geo::NumericError);
    EXPECT_THROW(Format(std::numeric_limits<double>::quiet_NaN(), u"#####0.0#"), geo::NumericError);
}
