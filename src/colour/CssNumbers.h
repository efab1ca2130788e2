#pragma once

#include <string_view>

namespace hueloupe::css {

// The longest leading decimal number of text ([digits][.digits], at least one digit), read as
// strtod does in the "C" locale: "12.5" -> 12.5, "1.2.3" -> 1.2, "5." -> 5, ".5" -> 0.5,
// "50%" -> 50, "." -> 0. Correctly rounded; too large a number gives +infinity.
// No sign, exponent or leading white space is read (the colour patterns capture none).
double readDecimal(std::string_view text);

// The leading hexadecimal digits of text (0-9, a-f), as strtol with base 16 reads them:
// "ff" -> 255, "0a" -> 10. Meant for the one- and two-digit groups of the hex forms.
unsigned readHex(std::string_view text);

}  // namespace hueloupe::css
