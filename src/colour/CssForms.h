// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "ColorValue.h"

namespace hueloupe::css {

// The colour of the first of the four numeric forms that matches anywhere in the lower-cased
// text (hex6, hex3, rgb, hsl, in that order), not yet clamped; nothing when none matches.
std::optional<ColorValue> searchNumericForm(std::string_view lowercased);

// A shortcut for the common cases, giving exactly what searchNumericForm gives when it answers:
//  - the whole text is "#rrggbb", "rrggbb" or "#rgb" (for "#rgb" no six hex digits exist, so
//    hex3 decides);
//  - the whole text is one rgb[a]() or hsl[a]() form whose numbers have at most five digits
//    before and after at most one point (no six hex digits in a row and no '#' can occur in
//    such a text, "hsl" texts hold no 'r', and the form starts at the first byte).
// Otherwise nothing, and the full search must decide.
std::optional<ColorValue> wholeTextForm(std::string_view lowercased);

}  // namespace hueloupe::css
