// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <limits>
#include <string_view>

namespace hueloupe::css {

// The longest leading decimal number of text ([digits][.digits], at least one digit), read as
// strtod does in the "C" locale: "12.5" -> 12.5, "1.2.3" -> 1.2, "5." -> 5, ".5" -> 0.5,
// "50%" -> 50, "." -> 0. Correctly rounded; too large a number gives +infinity.
// No sign, exponent or leading white space is read (the colour patterns capture none).
double readDecimal(std::string_view text);

namespace detail {
inline constexpr unsigned char kNotHex = 0xFF;

constexpr std::array<unsigned char, 256> makeHexValues() {
    std::array<unsigned char, 256> values{};
    values.fill(kNotHex);
    for (unsigned char d = 0; d < 10; ++d) {
        values['0' + d] = d;
    }
    for (unsigned char d = 0; d < 6; ++d) {
        values['a' + d] = static_cast<unsigned char>(10 + d);
    }
    return values;
}

inline constexpr std::array<unsigned char, 256> kHexValues = makeHexValues();
}  // namespace detail

// The leading hexadecimal digits of text (0-9, a-f), as strtol with base 16 reads them:
// "ff" -> 255, "0a" -> 10; saturating as strtol does. Meant for the one- and two-digit groups
// of the hex forms.
inline unsigned readHex(std::string_view text) {
    unsigned value = 0;
    for (const char c : text) {
        const unsigned digit = detail::kHexValues[static_cast<unsigned char>(c)];
        if (digit == detail::kNotHex) {
            break;
        }
        if (value > (std::numeric_limits<unsigned>::max() - digit) / 16) {
            return std::numeric_limits<unsigned>::max();
        }
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace hueloupe::css
