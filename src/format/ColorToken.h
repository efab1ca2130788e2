// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace hueloupe {

enum class ColorComponent : std::uint8_t { red, green, blue, hue, saturation, lightness, alpha };

enum class ColorOutputStyle : std::uint8_t { twoDigitHex, oneDigitHex, integer, decimal, percent };

struct LiteralToken {
    std::string text;  // never empty
    friend bool operator==(const LiteralToken&, const LiteralToken&) = default;
};

struct ComponentToken {
    ColorComponent component = ColorComponent::red;
    ColorOutputStyle style = ColorOutputStyle::integer;
    std::int64_t precision = 0;  // decimals; read by the decimal style only
    bool uppercase = false;      // read by the hexadecimal styles only
    friend bool operator==(const ComponentToken&, const ComponentToken&) = default;
};

// One element of a token list: literal text or a component reference.
using ColorToken = std::variant<LiteralToken, ComponentToken>;
using TokenList = std::vector<ColorToken>;

}  // namespace hueloupe
