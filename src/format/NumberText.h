#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "format/TextSink.h"

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

// Hexadecimal, at least two digits and as many as needed ("%02x"); negative values are
// written as 0.
inline void writeHex(TextSink& sink, std::int64_t n, bool uppercase) {
    if (n >= 0x100) {
        writeLongHex(sink, static_cast<std::uint64_t>(n), uppercase);
        return;
    }
    const auto value = static_cast<unsigned>(n < 0 ? 0 : n);
    const char* digits = uppercase ? "0123456789ABCDEF" : "0123456789abcdef";
    char* out = sink.room(2);
    out[0] = digits[value >> 4];
    out[1] = digits[value & 0xF];
    sink.commit(2);
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
