// SPDX-License-Identifier: MIT
#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace hueloupe {

namespace {

// A double has at most 1074 fractional decimal digits (2^-1074); printing more only adds
// zeros, which trimming removes again, so precisions are capped there and the text is the
// same. This also keeps a precision like 999999999 from asking for a huge buffer.
constexpr std::int64_t maxDecimalPrecision = 1074;
// Sign, the 309 integer digits of the largest double, the point and 1074 decimals.
constexpr std::size_t fixedBufferSize = 1 + 309 + 1 + maxDecimalPrecision + 16;

constexpr std::size_t maxShortPrecision = 17;
constexpr std::array<double, maxShortPrecision + 1> powersOfTen = {
    1e0, 1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
    1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17};  // all exact

// Writes integer digits, then a point and the fraction without its trailing zeros (at
// least one digit), or the integer digits alone when there is no fraction.
void writeTrimmed(TextSink& sink, std::string_view integer, std::string_view fraction,
                  bool hasPoint) {
    sink.append(integer);
    if (!hasPoint) {
        return;
    }
    const std::size_t kept = fraction.find_last_not_of('0');
    sink.push('.');
    if (kept == std::string_view::npos) {
        sink.push('0');
    } else {
        sink.append(fraction.substr(0, kept + 1));
    }
}

// The common case without printf's machinery: the value times 10^decimals, rounded to an
// integer. Gives up (returns false) where the product is too large, or so near a half
// that the error of the multiplication might decide the rounding.
bool writeShortDecimal(TextSink& sink, double v, std::size_t decimals) {
    if (decimals > maxShortPrecision) {
        return false;
    }
    const double scaled = std::fabs(v) * powersOfTen[decimals];
    if (!(scaled < 0x1p52)) {  // also NaN and the infinities
        return false;
    }
    const auto whole = static_cast<std::uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);  // exact
    // The product is within scaled * 2^-53 of the exact value.
    if (std::fabs(fraction - 0.5) <= scaled * 0x1p-52) {
        return false;
    }
    std::uint64_t n = whole + (fraction > 0.5 ? 1 : 0);
    // Written from the right: the fraction without its trailing zeros, the point, the
    // integer digits, the sign.
    std::array<char, 32> text{};
    char* const end = text.data() + text.size();
    char* first = end;
    std::size_t kept = decimals;
    while (kept > 0 && n % 10 == 0) {
        n /= 10;
        --kept;
    }
    if (decimals > 0 && kept == 0) {
        *--first = '0';
    }
    for (std::size_t i = 0; i < kept; ++i) {
        *--first = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    if (decimals > 0) {
        *--first = '.';
    }
    do {
        *--first = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    if (std::signbit(v)) {
        *--first = '-';
    }
    sink.append(std::string_view(first, static_cast<std::size_t>(end - first)));
    return true;
}

void writePrintfDecimal(TextSink& sink, double v, std::size_t decimals) {
    std::array<char, fixedBufferSize> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                      std::chars_format::fixed, static_cast<int>(decimals));
    if (result.ec != std::errc{}) {
        sink.push('0');  // not reached: the buffer holds any double at this precision
        return;
    }
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) {
        writeTrimmed(sink, text, {}, false);  // no fraction, or "inf", "nan"
    } else {
        writeTrimmed(sink, text.substr(0, point), text.substr(point + 1), true);
    }
}

}  // namespace

void writeLongHex(TextSink& sink, std::uint64_t value, bool uppercase) {
    const char* digits = uppercase ? "0123456789ABCDEF" : "0123456789abcdef";
    std::array<char, 16> text{};
    std::size_t start = text.size();
    for (; value != 0; value >>= 4) {
        text[--start] = digits[value & 0xF];
    }
    sink.append(std::string_view(text.data() + start, text.size() - start));
}

void writeLongInteger(TextSink& sink, std::uint64_t magnitude, bool negative) {
    std::array<char, 20> text{};
    std::size_t start = text.size();
    do {
        text[--start] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) {
        sink.push('-');
    }
    sink.append(std::string_view(text.data() + start, text.size() - start));
}

void writeDecimal(TextSink& sink, double v, std::int64_t precision) {
    const auto decimals =
        static_cast<std::size_t>(std::clamp<std::int64_t>(precision, 0, maxDecimalPrecision));
    if (!writeShortDecimal(sink, v, decimals)) {
        writePrintfDecimal(sink, v, decimals);
    }
}

}  // namespace hueloupe
