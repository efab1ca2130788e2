// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One reading of UTF-8 for the whole core, utf8proc's: a byte where no valid sequence starts
// is read alone as U+FFFD, and reading resumes at the next byte ("\xE2\x82" is two U+FFFD).
namespace hueloupe {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;
inline constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

struct Utf8Char {
    char32_t codePoint = kReplacementCharacter;
    std::size_t length = 1;  // bytes read, at least 1
    bool valid = false;      // false: one byte read as U+FFFD
};

// The character that starts at text[pos], pos < text.size().
Utf8Char decodeUtf8(std::string_view text, std::size_t pos);

// Unicode full lower-casing (U+0130 becomes "i" + U+0307, U+212A becomes "k"), appended to
// out. ASCII runs take a fast path.
void appendLowerUtf8(std::string_view text, std::string& out);
std::string toLowerUtf8(std::string_view text);

}  // namespace hueloupe
