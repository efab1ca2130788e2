// SPDX-License-Identifier: MIT
#include "Utf8.h"

#include <utf8proc.h>

#include <algorithm>

#include "CharClasses.h"

namespace hueloupe {

Utf8Char decodeUtf8(std::string_view text, std::size_t pos) {
    utf8proc_int32_t codePoint = -1;
    const utf8proc_ssize_t length =
        utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(text.data()) + pos,
                         static_cast<utf8proc_ssize_t>(text.size() - pos), &codePoint);
    if (length <= 0 || codePoint < 0) {
        return Utf8Char{};
    }
    return Utf8Char{static_cast<char32_t>(codePoint), static_cast<std::size_t>(length), true};
}

void appendLowerUtf8(std::string_view text, std::string& out) {
    out.reserve(out.size() + text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = pos;
        while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80) {
            ++end;
        }
        if (end > pos) {  // a run of ASCII, copied whole and lower-cased in place
            const std::size_t first = out.size();
            out.append(text.substr(pos, end - pos));
            std::transform(out.begin() + first, out.end(), out.begin() + first, chars::toLower);
            pos = end;
            continue;
        }
        const Utf8Char c = decodeUtf8(text, pos);
        pos += c.length;
        if (!c.valid) {
            out.append(kReplacementUtf8);
        } else if (c.codePoint == 0x130) {
            // The one unconditional lower-case mapping to two characters: "i" + U+0307.
            out.append("i\xCC\x87");
        } else {
            utf8proc_uint8_t bytes[4];
            const utf8proc_ssize_t n = utf8proc_encode_char(
                utf8proc_tolower(static_cast<utf8proc_int32_t>(c.codePoint)), bytes);
            out.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(n));
        }
    }
}

std::string toLowerUtf8(std::string_view text) {
    std::string out;
    appendLowerUtf8(text, out);
    return out;
}

}  // namespace hueloupe
