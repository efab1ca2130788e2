#include "colour/Lowercase.h"

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

void appendUtf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void appendLowerCodePoint(char32_t cp, std::string& out) {
    if (cp == kCapitalIWithDot) {
        // The one unconditional multi-character lower-case mapping: "i" + COMBINING DOT ABOVE.
        out.append("i\xCC\x87");
        return;
    }
    const utf8proc_int32_t lower = utf8proc_tolower(static_cast<utf8proc_int32_t>(cp));
    appendUtf8(static_cast<char32_t>(lower), out);
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

void appendLowerUtf8(std::string_view text, std::string& out) {
    out.reserve(out.size() + text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (static_cast<unsigned char>(c) < 0x80) {
            out.push_back(lowerAscii(c));
            ++pos;
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
