// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "ColorValue.h"

namespace hueloupe {

// The colour of the CSS keyword that is the whole (lower-cased) text, or nothing.
std::optional<ColorValue> namedColor(std::string_view lowercased);

}  // namespace hueloupe
