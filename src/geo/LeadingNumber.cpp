#include "geo/LeadingNumber.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace geo {

namespace {

// Reads one character at a time past the spaces that may separate the parts.
class Reader {
public:
    explicit Reader(QStringView text) : text_(text) {}

    char16_t Peek() {
        while (pos_ < text_.size() && text_[pos_] == u' ')
            ++pos_;
        return pos_ < text_.size() ? text_[pos_].unicode() : u'\0';
    }
    void Skip() { ++pos_; }
    bool TakeIf(char16_t c) {
        if (Peek() != c)
            return false;
        Skip();
        return true;
    }
    bool TakeSign() {
        if (TakeIf(u'-'))
            return true;
        TakeIf(u'+');
        return false;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Exponents far beyond the range of a double all mean the same; capping them keeps the
// arithmetic below in range whatever the length of the text.
constexpr long long ExponentCap = 100000;

} // namespace

double LeadingNumber(QStringView text) {
    Reader reader(text);
    const bool negative = reader.TakeSign();

    std::string digits;
    long long decimals = 0;
    bool point = false;
    for (;;) {
        const char16_t c = reader.Peek();
        if (IsDigit(c)) {
            // Leading zeros say nothing; dropping them keeps the text short.
            if (!(digits.empty() && c == u'0'))
                digits += static_cast<char>(c);
            decimals += point;
            reader.Skip();
        } else if (c == u'.' && !point) {
            point = true;
            reader.Skip();
        } else {
            break;
        }
    }
    // No digit, or only zeros: the value is 0 whatever the exponent.
    if (digits.empty())
        return negative ? -0.0 : 0.0;

    long long exponent = 0;
    if (reader.TakeIf(u'E') || reader.TakeIf(u'e')) {
        const bool negativeExponent = reader.TakeSign();
        while (IsDigit(reader.Peek())) {
            exponent = std::min(ExponentCap, exponent * 10 + (reader.Peek() - u'0'));
            reader.Skip();
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    // The digits as an integer and a power of ten: no decimal separator, so the
    // conversion does not depend on the locale.
    const std::string number = digits + 'e' + std::to_string(exponent - decimals);
    const double value = std::strtod(number.c_str(), nullptr);
    return negative ? -value : value;
}

} // namespace geo
