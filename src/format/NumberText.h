// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

// Numbers written as the renderer writes them. The short ones are appended character by
// character, inline: a call to copy a few characters would cost more than writing them.
namespace hueloupe {

// Rounds half away from zero to an int64, like std::round followed by a conversion, with
// results for every input: NaN gives 0, values beyond the int64 range (and the infinities)
// saturate at its limits.
inline std::int64_t roundToInt64(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    if (x >= 0x1p63) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (x < -0x1p63) {
        return std::numeric_limits<std::int64_t>::min();
    }
    // Truncation is exact here, and so is the rest (beyond 2^52 x is integral and the rest 0).
    const auto truncated = static_cast<std::int64_t>(x);
    const double rest = x - static_cast<double>(truncated);
    return truncated + (rest >= 0.5 ? 1 : 0) - (rest <= -0.5 ? 1 : 0);
}

// Decimal, no padding.
inline void appendInteger(std::string& out, std::int64_t n) {
    std::array<char, 20> text;
    const char* const end = std::to_chars(text.data(), text.data() + text.size(), n).ptr;
    for (const char* p = text.data(); p != end; ++p) {
        out.push_back(*p);
    }
}

// Hexadecimal, at least two digits and as many as needed ("%02x"); negative values are
// written as 0.
inline void appendHex(std::string& out, std::int64_t n, bool uppercase) {
    const char* const digits = uppercase ? "0123456789ABCDEF" : "0123456789abcdef";
    if (n < 0x100) {
        const auto value = static_cast<std::size_t>(std::max<std::int64_t>(n, 0));
        out.push_back(digits[value >> 4]);
        out.push_back(digits[value & 0xF]);
        return;
    }
    std::array<char, 16> text;
    char* const end =
        std::to_chars(text.data(), text.data() + text.size(), static_cast<std::uint64_t>(n), 16)
            .ptr;
    for (const char* p = text.data(); p != end; ++p) {
        out.push_back(uppercase ? digits[*p <= '9' ? *p - '0' : *p - 'a' + 10] : *p);
    }
}

// printf's "%.Nf" for N = precision (negative counts as 0), then the zeros at the end of the
// fraction are removed, keeping one digit after the point. Without a fraction (precision 0)
// the integer stands as printed. Non-finite values print as "inf", "-inf" or "nan".
void appendDecimal(std::string& out, double v, std::int64_t precision);

}  // namespace hueloupe
