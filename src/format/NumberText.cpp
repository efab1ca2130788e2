// SPDX-License-Identifier: MIT
#include "NumberText.h"

#include <string_view>

#include "CharClasses.h"

namespace hueloupe {

namespace {

// A double has at most 1074 fractional decimal digits (2^-1074); printing more only adds
// zeros, which trimming removes again, so precisions are capped there and the text is the
// same. This also keeps a precision like 999999999 from asking for a huge buffer.
constexpr int kMaxDecimals = 1074;
// Sign, the 309 integer digits of the largest double, the point and 1074 decimals.
constexpr std::size_t kDecimalBufferSize = 1 + 309 + 1 + kMaxDecimals;

// The common case without the general conversion: the value times 10^decimals rounded to an
// integer, written from the right, trimmed as appendDecimal trims. Gives up (returns false)
// where the product is too large, or so near a half that the error of the multiplication
// might decide the rounding.
bool appendShortDecimal(std::string& out, double v, int decimals) {
    if (decimals > 17) {
        return false;
    }
    const double scaled = std::fabs(v) * chars::kPowersOfTen[static_cast<std::size_t>(decimals)];
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
    std::array<char, 32> text;
    char* const end = text.data() + text.size();
    char* first = end;
    int kept = decimals;
    for (; kept > 0 && n % 10 == 0; --kept) {
        n /= 10;
    }
    if (decimals > 0 && kept == 0) {
        *--first = '0';
    }
    for (int i = 0; i < kept; ++i, n /= 10) {
        *--first = static_cast<char>('0' + n % 10);
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
    out.append(first, end);
    return true;
}

}  // namespace

void appendDecimal(std::string& out, double v, std::int64_t precision) {
    const int decimals = static_cast<int>(std::clamp<std::int64_t>(precision, 0, kMaxDecimals));
    if (appendShortDecimal(out, v, decimals)) {
        return;
    }
    std::array<char, kDecimalBufferSize> buffer;
    const char* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                          std::chars_format::fixed, decimals)
                                .ptr;
    std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    if (text.find('.') != std::string_view::npos) {
        text = text.substr(0, text.find_last_not_of('0') + 1);
    }
    out.append(text);
    if (text.ends_with('.')) {
        out.push_back('0');
    }
}

}  // namespace hueloupe
