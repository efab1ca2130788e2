// SPDX-License-Identifier: MIT
#include "Lowercase.h"

#include <utf8proc.h>

#include <cstddef>
#include <cstdint>

namespace hueloupe {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kCapitalIWithDot = 0x0130;

struct Decoded {
    char32_t codePoint;
    std::size_t length;  // bytes consumed, at least 1
};

bool inRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

// Decodes one UTF-8 sequence starting at text[pos] (a non-ASCII byte). An ill-formed
// sequence yields U+FFFD for its maximal subpart: the lead byte and whatever continuation
// bytes were valid for it, so decoding resumes at the first byte that broke the sequence.
Decoded decodeMultiByte(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t needed = 0;
    char32_t value = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (inRange(lead, 0xC2, 0xDF)) {
        needed = 1;
        value = lead & 0x1Fu;
    } else if (inRange(lead, 0xE0, 0xEF)) {
        needed = 2;
        value = lead & 0x0Fu;
        low = (lead == 0xE0) ? 0xA0 : 0x80;
        high = (lead == 0xED) ? 0x9F : 0xBF;
    } else if (inRange(lead, 0xF0, 0xF4)) {
        needed = 3;
        value = lead & 0x07u;
        low = (lead == 0xF0) ? 0x90 : 0x80;
        high = (lead == 0xF4) ? 0x8F : 0xBF;
    } else {
        return {kReplacement, 1};
    }
    std::size_t length = 1;
    for (; length <= needed; ++length) {
        if (pos + length >= text.size()) {
            return {kReplacement, length};
        }
        const auto byte = static_cast<unsigned char>(text[pos + length]);
        if (!inRange(byte, low, high)) {
            return {kReplacement, length};
        }
        value = (value << 6) | (byte & 0x3Fu);
        low = 0x80;  // only the second byte has a narrowed range
        high = 0xBF;
    }
    return {value, length};
}

// Writes cp as UTF-8 to out (room for four bytes) and returns the byte count.
std::size_t encodeUtf8(char32_t cp, char* out) {
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (cp < 0x80) {
        out[0] = byte(cp);
        return 1;
    }
    if (cp < 0x800) {
        out[0] = byte(0xC0 | (cp >> 6));
        out[1] = byte(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        out[0] = byte(0xE0 | (cp >> 12));
        out[1] = byte(0x80 | ((cp >> 6) & 0x3F));
        out[2] = byte(0x80 | (cp & 0x3F));
        return 3;
    }
    out[0] = byte(0xF0 | (cp >> 18));
    out[1] = byte(0x80 | ((cp >> 12) & 0x3F));
    out[2] = byte(0x80 | ((cp >> 6) & 0x3F));
    out[3] = byte(0x80 | (cp & 0x3F));
    return 4;
}

void appendLowerCodePoint(char32_t cp, std::string& out) {
    if (cp == kCapitalIWithDot) {
        // The one unconditional multi-character lower-case mapping: "i" + COMBINING DOT ABOVE.
        out.append("i\xCC\x87");
        return;
    }
    if (cp != kReplacement) {
        cp = static_cast<char32_t>(utf8proc_tolower(static_cast<utf8proc_int32_t>(cp)));
    }
    char bytes[4];
    out.append(bytes, encodeUtf8(cp, bytes));
}

// Appends the ASCII bytes from pos on, lower-cased, and returns where they end.
std::size_t appendAsciiRun(std::string_view text, std::size_t pos, std::string& out) {
    std::size_t end = pos;
    while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80) {
        ++end;
    }
    const std::size_t first = out.size();
    out.append(text.data() + pos, end - pos);
    for (std::size_t i = first; i < out.size(); ++i) {
        const char c = out[i];
        out[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return end;
}

}  // namespace

void appendLowerUtf8(std::string_view text, std::string& out) {
    out.reserve(out.size() + text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            pos = appendAsciiRun(text, pos, out);
            continue;
        }
        const Decoded decoded = decodeMultiByte(text, pos);
        appendLowerCodePoint(decoded.codePoint, out);
        pos += decoded.length;
    }
}

std::string toLowerUtf8(std::string_view text) {
    std::string out;
    appendLowerUtf8(text, out);
    return out;
}

}  // namespace hueloupe
