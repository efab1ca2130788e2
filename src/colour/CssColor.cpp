// SPDX-License-Identifier: MIT
#include "CssColor.h"

#include <cstdint>
#include <string>

#include "CssForms.h"
#include "CssMemo.h"
#include "Lowercase.h"
#include "NamedColors.h"
#include "WordLoads.h"

namespace hueloupe {

namespace {

// Per thread, so any thread may parse without locks; the application parses on one thread.
CssColorMemo& memo() {
    // Keys are lower-cased texts, which can be up to three times as long as the text.
    thread_local CssColorMemo table(kCssMemoMaxEntries, 3 * kCssMemoMaxTextBytes);
    return table;
}

// Reused for lower-casing so that a memo hit allocates nothing.
std::string& lowerBuffer() {
    thread_local std::string buffer;
    return buffer;
}

constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
constexpr std::uint64_t kTopBits = kEveryByte * 0x80;

// The top bit of each byte below 0x80 that is an ASCII capital: b + (0x80 - 'A') sets it
// when b >= 'A', b + (0x80 - 'Z' - 1) when b > 'Z'; neither sum carries into the next byte.
std::uint64_t asciiCapitals(std::uint64_t word) {
    const std::uint64_t ascii = word & ~kTopBits;
    const std::uint64_t capital =
        (ascii + kEveryByte * (0x80 - 'A')) & ~(ascii + kEveryByte * (0x80 - 'Z' - 1));
    return capital & ~word & kTopBits;
}

bool needsLowering(std::string_view text) {
    return words::anyWord(text.data(), text.size(), [](std::uint64_t word) {
        return ((word & kTopBits) | asciiCapitals(word)) != 0;
    });
}

bool hasAsciiCapital(std::string_view text) {
    return words::anyWord(text.data(), text.size(),
                          [](std::uint64_t word) { return asciiCapitals(word) != 0; });
}

// Texts too long for the memo are read after lower-casing their ASCII letters only. That
// finds the same colour as full lower-casing: the patterns are ASCII, every non-ASCII
// character lower-cases to characters that no pattern takes (the only ASCII results, "k"
// of U+212A and "i" of U+0130, are in no pattern), so it separates the same ASCII runs, and
// no keyword is anywhere near as long (lower-casing at most divides the length by three).
std::optional<ColorValue> parseLongText(std::string_view text) {
    if (!hasAsciiCapital(text)) {
        return parseLowercasedCssColor(text);
    }
    std::string lowered(text);
    for (char& c : lowered) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    return parseLowercasedCssColor(lowered);
}

}  // namespace

std::optional<ColorValue> parseLowercasedCssColor(std::string_view lowercased) {
    std::optional<ColorValue> color = css::wholeTextForm(lowercased);
    if (!color) {
        color = css::searchNumericForm(lowercased);
    }
    if (!color) {
        color = namedColor(lowercased);
    }
    if (!color) {
        return std::nullopt;
    }
    return ColorValue{clampComponent(color->red), clampComponent(color->green),
                      clampComponent(color->blue), clampComponent(color->alpha)};
}

std::optional<ColorValue> colorFromCSString(std::string_view text) {
    if (text.size() > kCssMemoMaxTextBytes) {
        return parseLongText(text);
    }
    std::string_view key = text;
    if (needsLowering(text)) {
        std::string& buffer = lowerBuffer();
        buffer.clear();
        appendLowerUtf8(text, buffer);
        key = buffer;
    }
    CssColorMemo& table = memo();
    if (const ColorValue* hit = table.find(key)) {
        return *hit;
    }
    const std::optional<ColorValue> color = parseLowercasedCssColor(key);
    if (color) {
        table.insert(key, *color);
    }
    return color;
}

std::size_t cssColorMemoSize() {
    return memo().size();
}

}  // namespace hueloupe
