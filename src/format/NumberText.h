// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>

#include "TextSink.h"

namespace hueloupe {

// Rounds half away from zero to an int64, like std::round followed by a conversion, with
// results for every input: NaN gives 0, values beyond the int64 range (and the
// infinities) saturate at its limits.
constexpr std::int64_t roundToInt64(double x) {
    constexpr double twoTo63 = 9223372036854775808.0;
    if (x != x) {
        return 0;
    }
    if (x >= twoTo63) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (x < -twoTo63) {
        return std::numeric_limits<std::int64_t>::min();
    }
    // Truncation is exact here; so is the difference (x is integral beyond 2^52).
    const auto truncated = static_cast<std::int64_t>(x);
    const double rest = x - static_cast<double>(truncated);
    // Without branches: which way a half goes is unpredictable. No overflow: beyond 2^52
    // the rest is 0.
    return truncated + static_cast<std::int64_t>(rest >= 0.5) -
           static_cast<std::int64_t>(rest <= -0.5);
}

// Writes a value of more than two hexadecimal digits.
void writeLongHex(TextSink& sink, std::uint64_t value, bool uppercase);
// Writes the decimal digits of a value, with a minus sign when negative is set.
void writeLongInteger(TextSink& sink, std::uint64_t magnitude, bool negative);

// The two hexadecimal digits of every byte value, "00" to "ff", then "00" to "FF".
inline constexpr std::array<char, 1024> hexDigitPairs = [] {
    constexpr std::string_view lower = "0123456789abcdef";
    constexpr std::string_view upper = "0123456789ABCDEF";
    std::array<char, 1024> pairs{};
    for (std::size_t value = 0; value < 256; ++value) {
        pairs[2 * value] = lower[value >> 4];
        pairs[2 * value + 1] = lower[value & 0xF];
        pairs[512 + 2 * value] = upper[value >> 4];
        pairs[512 + 2 * value + 1] = upper[value & 0xF];
    }
    return pairs;
}();

// Writes the two digits of a value from 0 to 255.
inline void writeHexByte(TextSink& sink, std::size_t value, bool uppercase) {
    std::memcpy(sink.room(2), &hexDigitPairs[(uppercase ? 512 : 0) + 2 * value], 2);
    sink.commit(2);
}

// Hexadecimal, at least two digits and as many as needed ("%02x"); negative values are
// written as 0.
inline void writeHex(TextSink& sink, std::int64_t n, bool uppercase) {
    if (n >= 0x100) {
        writeLongHex(sink, static_cast<std::uint64_t>(n), uppercase);
        return;
    }
    writeHexByte(sink, static_cast<std::size_t>(n < 0 ? 0 : n), uppercase);
}

// writeHex(sink, roundToInt64(scaled), uppercase), with a shorter road for the usual value
// of one byte.
inline void writeScaledHex(TextSink& sink, double scaled, bool uppercase) {
    if (!(scaled >= 0.0 && scaled < 255.5)) {  // also NaN
        writeHex(sink, roundToInt64(scaled), uppercase);
        return;
    }
    const auto whole = static_cast<std::size_t>(scaled);
    writeHexByte(sink, whole + (scaled - static_cast<double>(whole) >= 0.5 ? 1 : 0), uppercase);
}

// Decimal, no padding.
inline void writeInteger(TextSink& sink, std::int64_t n) {
    if (n < 0 || n >= 1000) {
        const bool negative = n < 0;
        // The magnitude as unsigned, so that the smallest int64 needs no special case.
        const auto bits = static_cast<std::uint64_t>(n);
        writeLongInteger(sink, negative ? 0 - bits : bits, negative);
        return;
    }
    // Three digits packed right-aligned into a word, the leading zeros shifted out:
    // no branch depends on the number of digits.
    const auto value = static_cast<std::uint32_t>(n);
    const std::size_t length = 1 + (value >= 10 ? 1 : 0) + (value >= 100 ? 1 : 0);
    const std::uint32_t digits =
        (value / 100 + '0') | (value / 10 % 10 + '0') << 8 | (value % 10 + '0') << 16;
    const std::uint32_t word = digits >> (8 * (3 - length));
    char* out = sink.room(4);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(out, &word, 4);
    } else {
        for (std::size_t i = 0; i < length; ++i) {
            out[i] = static_cast<char>(word >> (8 * i));
        }
    }
    sink.commit(length);
}

// printf's "%.Nf" for N = precision (negative counts as 0), then the zeros at the end of
// the fraction are removed, keeping one digit after the point. Without a fraction
// (precision 0) the integer stands as printed. Non-finite values print as "inf", "-inf"
// or "nan".
void writeDecimal(TextSink& sink, double v, std::int64_t precision);

}  // namespace hueloupe
