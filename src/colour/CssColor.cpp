// SPDX-License-Identifier: MIT
#include "CssColor.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "CharClasses.h"
#include "CssMemo.h"
#include "CssPatterns.h"
#include "NamedColors.h"
#include "Utf8.h"
#include "WordLoads.h"

namespace hueloupe {

namespace {

using css::Match;
using css::Pattern;

double hexPair(std::string_view digits) {
    return (chars::hexValue(digits[0]) * 16 + chars::hexValue(digits[1])) / 255.0;
}

// A one-digit group stands for the digit written twice ("a" reads as "aa").
double doubledHexDigit(std::string_view digit) {
    return (chars::hexValue(digit[0]) * 17) / 255.0;
}

double fraction(const Match& m, std::size_t g) {
    return m.groups[g].ends_with('%') ? m.numbers[g] / 100.0 : m.numbers[g];
}

ColorValue colourOf(Pattern pattern, const Match& m) {
    const double alpha = m.fourthGroupMatched ? m.numbers[3] : 1.0;
    switch (pattern) {
        case Pattern::hex6:
            return ColorValue{hexPair(m.groups[0]), hexPair(m.groups[1]), hexPair(m.groups[2])};
        case Pattern::hex3:
            return ColorValue{doubledHexDigit(m.groups[0]), doubledHexDigit(m.groups[1]),
                              doubledHexDigit(m.groups[2])};
        case Pattern::rgb:
            return ColorValue{m.numbers[0] / 255.0, m.numbers[1] / 255.0, m.numbers[2] / 255.0,
                              alpha};
        case Pattern::hsl:
            break;
    }
    ColorValue colour = colorFromHSL(m.numbers[0], fraction(m, 1), fraction(m, 2));
    colour.alpha = alpha;
    return colour;
}

// The colour of the first pattern, in order, that matches anywhere in the text. A text that
// is one rgb() or hsl() form from its first byte to its last, with no number longer than
// five characters, needs no search: it holds no six hex digits in a row and no '#', and an
// hsl text holds no "rgb", so the form itself is the first match.
std::optional<ColorValue> numericForm(std::string_view text) {
    Match m;
    const Pattern whole = text.starts_with('h') ? Pattern::hsl : Pattern::rgb;
    if (css::matchWhole(whole, text, m) &&
        std::ranges::all_of(m.groups, [](std::string_view g) { return g.size() <= 5; })) {
        return colourOf(whole, m);
    }
    for (const Pattern pattern : {Pattern::hex6, Pattern::hex3, Pattern::rgb, Pattern::hsl}) {
        if (css::find(pattern, text, m)) {
            return colourOf(pattern, m);
        }
    }
    return std::nullopt;
}

// Whether lower-casing changes the text: any non-ASCII byte or ASCII capital, eight bytes at a
// time. A capital's top bit comes from b + (0x80 - 'A') for b >= 'A' and not from
// b + (0x80 - 'Z' - 1), which sets it for b > 'Z'; neither sum carries into the next byte.
bool needsLowering(std::string_view text) {
    using words::kEveryByte;
    using words::kTopBits;
    return words::anyWord(text.data(), text.size(), [](std::uint64_t word) {
        const std::uint64_t ascii = word & ~kTopBits;
        const std::uint64_t capitals =
            (ascii + kEveryByte * (0x80 - 'A')) & ~(ascii + kEveryByte * (0x80 - 'Z' - 1));
        return ((word | capitals) & kTopBits) != 0;
    });
}

}  // namespace

std::optional<ColorValue> parseLowercasedCssColor(std::string_view lowercased) {
    std::optional<ColorValue> colour = numericForm(lowercased);
    if (!colour) {
        colour = namedColor(lowercased);
    }
    if (!colour) {
        return std::nullopt;
    }
    return ColorValue{clampComponent(colour->red), clampComponent(colour->green),
                      clampComponent(colour->blue), clampComponent(colour->alpha)};
}

// Texts too long for the memo are read after lower-casing their ASCII letters only. That
// finds the same colour as full lower-casing: the patterns are ASCII, and every non-ASCII
// character lower-cases to characters that no pattern takes (the only ASCII results, "k" of
// U+212A and "i" of U+0130, are in no pattern), so the same ASCII runs stand apart; and no
// keyword is anywhere near as long (lower-casing at most divides the length by three).
std::optional<ColorValue> colorFromCSString(std::string_view text) {
    if (text.size() > kCssMemoMaxTextBytes) {
        std::string lowered(text);
        std::ranges::transform(lowered, lowered.begin(), chars::toLower);
        return parseLowercasedCssColor(lowered);
    }
    // Per thread, so any thread may parse without locks. The buffer is reused so that a
    // memo hit allocates nothing.
    thread_local CssColorMemo memo(kCssMemoMaxEntries, 3 * kCssMemoMaxTextBytes);
    thread_local std::string buffer;
    std::string_view key = text;
    if (needsLowering(text)) {
        buffer.clear();
        appendLowerUtf8(text, buffer);
        key = buffer;
    }
    if (const ColorValue* hit = memo.find(key)) {
        return *hit;
    }
    const std::optional<ColorValue> colour = parseLowercasedCssColor(key);
    if (colour) {
        memo.insert(key, *colour);
    }
    return colour;
}

}  // namespace hueloupe
