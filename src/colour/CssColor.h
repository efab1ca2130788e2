// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "ColorValue.h"

namespace hueloupe {

// Reads CSS colour text (hex6, #hex3, rgb[a](), hsl[a](), keywords) into a clamped colour,
// or nothing. Text is lower-cased first; successful results are memoised per thread.
std::optional<ColorValue> colorFromCSString(std::string_view text);

// The same reading without the memo, on text that is already lower-cased.
std::optional<ColorValue> parseLowercasedCssColor(std::string_view lowercased);

// The memo is bounded: texts longer than this are parsed but never stored...
inline constexpr std::size_t kCssMemoMaxTextBytes = 256;
// ...and once it holds this many entries it keeps answering but stores nothing new.
inline constexpr std::size_t kCssMemoMaxEntries = 262144;

}  // namespace hueloupe
