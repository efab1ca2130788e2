// SPDX-License-Identifier: MIT
// Tokenizes and renders arbitrary format strings with arbitrary colours (NaN, infinities,
// huge and negative components included) and checks that the output is valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>

#include "ColorValue.h"
#include "Renderer.h"
#include "Tokenizer.h"

namespace {

constexpr std::size_t colourBytes = 4 * sizeof(double);

bool isValidUtf8(std::string_view text) {
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

hueloupe::ColorValue colourFrom(const std::uint8_t* data, std::size_t size) {
    double parts[4] = {0.0, 0.0, 0.0, 1.0};
    std::memcpy(parts, data, size < colourBytes ? size : colourBytes);
    return hueloupe::ColorValue{parts[0], parts[1], parts[2], parts[3]};
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const hueloupe::ColorValue colour = colourFrom(data, size);
    const std::size_t skip = size < colourBytes ? size : colourBytes;
    const std::string_view format(reinterpret_cast<const char*>(data) + skip, size - skip);

    const hueloupe::TokenList tokens = hueloupe::tokenize(format);
    check(tokens == hueloupe::tokenize(format));
    for (const hueloupe::ColorToken& token : tokens) {
        if (const auto* literal = std::get_if<hueloupe::LiteralToken>(&token)) {
            check(!literal->text.empty());
            check(isValidUtf8(literal->text));
        }
    }
    const std::string text = hueloupe::render(tokens, colour, nullptr);  // NaN: no log
    check(isValidUtf8(text));
    // Text with nothing that could start a reference or an escape comes out unchanged.
    if (isValidUtf8(format) && format.find_first_of("{\\") == std::string_view::npos) {
        check(text == format);
    }
    return 0;
}
