#pragma once

#include <optional>
#include <string_view>

#include "colour/ColorValue.h"

namespace hueloupe {

// Reads CSS colour text (hex6, #hex3, rgb[a](), hsl[a](), keywords) into a clamped colour,
// or nothing. Text is lower-cased first; successful results are memoised per thread.
std::optional<ColorValue> colorFromCSString(std::string_view text);

// The same reading without the memo, on text that is already lower-cased.
std::optional<ColorValue> parseLowercasedCssColor(std::string_view lowercased);

}  // namespace hueloupe
