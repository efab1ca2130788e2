#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "format/ColorToken.h"

namespace hueloupe {

inline void PrintTo(const LiteralToken& token, std::ostream* os) {
    *os << "literal \"" << token.text << '"';
}

inline void PrintTo(const ComponentToken& token, std::ostream* os) {
    *os << "component (" << static_cast<int>(token.component) << ", "
        << static_cast<int>(token.style) << ", " << token.precision << ", "
        << (token.uppercase ? "true" : "false") << ')';
}

namespace test {

using C = ColorComponent;
using S = ColorOutputStyle;

inline ColorToken lit(std::string text) {
    return LiteralToken{std::move(text)};
}

inline ColorToken comp(C component, S style, std::int64_t precision = 0, bool uppercase = false) {
    return ComponentToken{component, style, precision, uppercase};
}

// Strict UTF-8 check (no surrogates, no overlong forms, nothing above U+10FFFF).
inline bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t value = 0;
        if (lead < 0x80) {
            length = 1;
            value = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            value = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            value = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            value = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) {
                return false;
            }
            value = (value << 6) | (next & 0x3Fu);
        }
        constexpr std::uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < minimum[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

}  // namespace test
}  // namespace hueloupe
