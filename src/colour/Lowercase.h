// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace hueloupe {

// Unicode full lower-casing of UTF-8 text (U+0130 becomes "i" + U+0307, U+212A becomes "k").
// Invalid UTF-8 sequences are read as U+FFFD. ASCII text takes a fast path.
std::string toLowerUtf8(std::string_view text);

// Appends the lower-cased text to out (out is not cleared).
void appendLowerUtf8(std::string_view text, std::string& out);

}  // namespace hueloupe
