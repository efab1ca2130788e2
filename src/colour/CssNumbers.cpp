// SPDX-License-Identifier: MIT
#include "CssNumbers.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

namespace hueloupe::css {

namespace {

// Up to 15 digits always form an integer below 2^53, exact as a double.
constexpr std::size_t kMaxExactDigits = 15;

// 10^0 .. 10^15, all exact as doubles.
constexpr std::array<double, kMaxExactDigits + 1> makePowersOfTen() {
    std::array<double, kMaxExactDigits + 1> powers{};
    double value = 1.0;
    for (double& power : powers) {
        power = value;
        value *= 10.0;
    }
    return powers;
}

constexpr std::array<double, kMaxExactDigits + 1> kPowersOfTen = makePowersOfTen();

bool isDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

// Reads digits from p, folding them into mantissa (which may wrap when there are more than
// 19; it is only used when there are at most 15).
const char* readDigits(const char* p, const char* end, std::uint64_t& mantissa) {
    for (; p != end && isDigit(*p); ++p) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    return p;
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
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    std::uint64_t mantissa = 0;
    const char* p = readDigits(begin, end, mantissa);
    const auto integerDigits = static_cast<std::size_t>(p - begin);
    std::size_t fractionDigits = 0;
    if (p != end && *p == '.') {
        const char* const fraction = p + 1;
        p = readDigits(fraction, end, mantissa);
        fractionDigits = static_cast<std::size_t>(p - fraction);
    }
    const std::size_t digits = integerDigits + fractionDigits;
    if (digits == 0) {
        return 0.0;
    }
    if (digits <= kMaxExactDigits) {
        // Both operands are exact doubles, so one division rounds correctly.
        const auto exact = static_cast<double>(mantissa);
        return fractionDigits == 0 ? exact : exact / kPowersOfTen[fractionDigits];
    }
    const std::string_view number = text.substr(0, static_cast<std::size_t>(p - begin));
    return readLongDecimal(number, number.find_first_not_of("0.") < integerDigits);
}

}  // namespace hueloupe::css
