// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ColorValue.h"

namespace hueloupe {

struct NamedColor {
    std::string_view keyword;
    std::uint8_t red, green, blue;
};

// The 145 keywords in their fixed order: the sixteen basic ones, "grey" and "orange" first.
extern const std::array<NamedColor, 145> kNamedColors;

// The colour whose keyword equals the whole (lower-cased) text, or nothing.
std::optional<ColorValue> namedColor(std::string_view lowercased);

}  // namespace hueloupe
