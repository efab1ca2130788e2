#include "colour/CssNumbers.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

namespace hueloupe::css {

namespace {

constexpr std::uint64_t kExactMantissaLimit = std::uint64_t{1} << 53;
constexpr std::size_t kMaxExactPowerOfTen = 22;

constexpr std::array<double, kMaxExactPowerOfTen + 1> makePowersOfTen() {
    std::array<double, kMaxExactPowerOfTen + 1> powers{};
    double value = 1.0;
    for (double& power : powers) {
        power = value;
        value *= 10.0;
    }
    return powers;
}

constexpr std::array<double, kMaxExactPowerOfTen + 1> kPowersOfTen = makePowersOfTen();

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct DecimalSpan {
    std::size_t length = 0;      // characters of the number, point included
    std::uint64_t mantissa = 0;  // all digits as one integer, while it stays exact
    std::size_t fractionDigits = 0;
    bool exact = true;  // mantissa < 2^53 and fraction digits <= 22
    bool integerPartNonZero = false;
    bool hasDigits = false;
};

void addDigit(DecimalSpan& span, char c) {
    span.hasDigits = true;
    if (!span.exact) {
        return;
    }
    span.mantissa = span.mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    if (span.mantissa >= kExactMantissaLimit) {
        span.exact = false;
    }
}

DecimalSpan scanDecimal(std::string_view text) {
    DecimalSpan span;
    std::size_t pos = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        span.integerPartNonZero = span.integerPartNonZero || text[pos] != '0';
        addDigit(span, text[pos]);
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        for (; pos < text.size() && isDigit(text[pos]); ++pos) {
            addDigit(span, text[pos]);
            ++span.fractionDigits;
        }
    }
    span.exact = span.exact && span.fractionDigits <= kMaxExactPowerOfTen;
    span.length = pos;
    return span;
}

// Correctly rounded reading of any length of digits.
double readLongDecimal(std::string_view number, bool integerPartNonZero) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // strtod gives HUGE_VAL on overflow and 0 on underflow below the smallest subnormal.
        return integerPartNonZero ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return error == std::errc{} ? value : 0.0;
}

}  // namespace

double readDecimal(std::string_view text) {
    const DecimalSpan span = scanDecimal(text);
    if (!span.hasDigits) {
        return 0.0;
    }
    if (span.exact) {
        // Both operands are exact doubles, so one division rounds correctly.
        return static_cast<double>(span.mantissa) / kPowersOfTen[span.fractionDigits];
    }
    return readLongDecimal(text.substr(0, span.length), span.integerPartNonZero);
}

unsigned readHex(std::string_view text) {
    unsigned value = 0;
    for (const char c : text) {
        unsigned digit = 0;
        if (isDigit(c)) {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else {
            break;
        }
        if (value > (std::numeric_limits<unsigned>::max() - digit) / 16) {
            return std::numeric_limits<unsigned>::max();  // saturates, as strtol does
        }
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace hueloupe::css
