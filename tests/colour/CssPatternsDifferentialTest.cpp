// SPDX-License-Identifier: MIT
// Fast readings against plain references on generated texts: the matcher against the standard
// regex (which recurses per character, so texts stay short), the parser against the groups read
// by strtol and strtod, and the ASCII-only lower-casing of long texts against full lower-casing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "CssColor.h"
#include "CssPatterns.h"
#include "Utf8.h"

namespace hueloupe::css {
namespace {

// Texts at the edges of the patterns; also the seeds of the generated texts.
const std::vector<std::string> kEdgeCases = {
    "#bce368", "color: #bce368;", "#1234567", "##123456", "12345#abcdef", "#abcde", "abcde#f", "",
    "#abcd", "#ab #0f9", "##123",
    // rgb: no blanks before commas or around the parentheses, any blanks after commas
    "rgb(1,2,3)", "rgba(188, 227, 104, 1.0)", "rgb(12345.12345,\t5.,.5, 0.99)",
    "rgb(1,\t\n\v\f\r 2, 3,  .5)", "rgba(1, 2, 3)", "x rgb(1.2.3,..,5.)y", "rgb( 1,2,3)",
    "rgb(1 ,2,3)", "rgb(1,2,3 )", "rgb(100%, 0%, 0%)", "rgb(1,2,3,4,5)", "rgb(1,2,3,)",
    "rgbaa(1,2,3)", "rgb(1,2,rgb(4,5,6)", "rgb(1,2,3,4 rgba(7,8,9,1)", "rrgb(1,2,3)",
    // hsl: saturation and lightness may carry '%', hue and alpha may not
    "hsl(120, 100%, 25%)", "hsla(120,1,0.25,0.5)", "hsl(120, 50, 50%)", "hsl(120%, 1, 1)",
    "hsl(1, 1%%, 1)", "hsl(1, 1, 1, 1%)", "hsl(-30, 50%, 50%)", "hsl(120deg, 50%, 50%)",
    "hsl(1,2,3%,hsl(4,5%,6)",
    // across the 64-byte steps in which the matcher reads
    std::string(59, 'x') + "#abcdef", std::string(63, 'x') + "#abcdef",
    std::string(62, 'x') + "abcdef", std::string(61, 'x') + "#abc", std::string(63, 'x') + "#abc",
    std::string(62, '#') + "ab#abc",
    std::string(60, 'x') + "abcde" + std::string(70, 'x') + "123456",
    std::string(62, 'x') + "rgb(1,2,3)", std::string(100, 'h') + "sl(1,2%,3%)",
    "rgb(" + std::string(70, '1') + ",2," + std::string(70, '.') + ")x"};

// Upper case and non-ASCII pieces matter to the lower-casing of long texts.
const std::vector<std::string> kPieces = {
    "rgb(",  "rgba(",    "hsl(",   "hsla(",  "rgb",    "hsl",  "a",    "(",     ")",    ",",
    ", ",    ",\t",      "%",      "#",      "1",      "12",   "255",  ".",     "1.5",  "f",
    "ab",    " ",        "e",      "\n",     "\v\f\r", "x",    "RGB(", "HSLA(", "#ABC", "F",
    "bLaCk", "\xC3\xA9", "\u212A", "\u0130", "\u00C9", "\xFF", "\xC3"};

// Texts near the colour notations: piece sequences, edited samples, and samples moved across
// the 64-byte steps in which the matcher reads.
struct TextGenerator {
    std::mt19937 random;
    std::size_t below(std::size_t n) { return random() % n; }
    std::string pieces(std::size_t maxCount) {
        std::string text;
        for (std::size_t n = below(maxCount + 1); n > 0; --n) {
            text += kPieces[below(kPieces.size())];
        }
        return text;
    }
    std::string edited(std::size_t edits) {
        std::string text = kEdgeCases[below(kEdgeCases.size())];
        for (std::size_t i = 0; i < edits; ++i) {
            const std::size_t at = below(text.size() + 1);
            below(2) == 0 ? text.insert(at, pieces(2)) : text.erase(at, below(3));
        }
        return text;
    }
    std::string filler(std::size_t length) { return std::string(length, "x ,.#1("[below(7)]); }
    std::string next(int i) {
        return i % 3 == 0   ? pieces(i % 4 == 0 ? 40 : 14)
               : i % 3 == 1 ? edited(below(3)) + (i % 5 == 0 ? edited(1) : "")
                            : filler(40 + below(100)) + edited(1) + filler(below(8));
    }
};

const std::regex& reference(Pattern pattern) {
    static const std::regex regexes[] = {
        std::regex("#?([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})"),
        std::regex("#([0-9a-f])([0-9a-f])([0-9a-f])"),
        std::regex(R"(rgba?\(([0-9\.]+),\s*([0-9\.]+),\s*([0-9\.]+)(?:,\s*([0-9\.]+))?\))"),
        std::regex(R"(hsla?\(([0-9\.]+),\s*([0-9\.]+%?),\s*([0-9\.]+%?)(?:,\s*([0-9\.]+))?\))")};
    return regexes[static_cast<int>(pattern)];
}

// Each pattern's first match as "position:whole|group|..." with the groups that took part, by
// the matcher (with "|stray" for a fourth group it filled without taking part) or the regex.
std::string findings(const std::string& text, bool byRegex) {
    std::string out;
    for (const Pattern pattern : {Pattern::hex6, Pattern::hex3, Pattern::rgb, Pattern::hsl}) {
        std::smatch r;
        if (byRegex && std::regex_search(text, r, reference(pattern))) {
            out += std::to_string(r.position(0)) + ":" + r.str(0);
            for (std::size_t g = 1; g < r.size() && r[g].matched; ++g) {
                out += "|" + r.str(g);
            }
        } else if (const auto m = byRegex ? std::nullopt : search(pattern, text)) {
            out += std::to_string(m->whole.data() - text.data()) + ":" + std::string(m->whole);
            for (int g = 0; g < (m->fourthGroupMatched ? 4 : 3); ++g) {
                out += "|" + std::string(m->groups[g]);
            }
            out += m->fourthGroupMatched || m->groups[3].empty() ? "" : "|stray";
        }
        out += ";";
    }
    return out;
}

// The colour of the first pattern that matches, its groups read by strtol and strtod, clamped.
std::optional<ColorValue> patternColour(const std::string& text) {
    const auto num = [](std::string_view g) {
        return std::strtod(std::string(g).c_str(), nullptr);
    };
    const auto hex = [](std::string_view g) {  // one digit stands for itself twice
        const std::string digits = g.size() == 1 ? std::string(2, g[0]) : std::string(g);
        return static_cast<double>(std::strtol(digits.c_str(), nullptr, 16)) / 255.0;
    };
    const auto fraction = [&](std::string_view g) { return num(g) / (g.back() == '%' ? 100 : 1); };
    std::optional<ColorValue> c;
    auto m = search(Pattern::hex6, text);
    if (m || (m = search(Pattern::hex3, text))) {
        c = ColorValue{hex(m->groups[0]), hex(m->groups[1]), hex(m->groups[2]), 1};
    } else if ((m = search(Pattern::rgb, text))) {
        c = ColorValue{num(m->groups[0]) / 255, num(m->groups[1]) / 255, num(m->groups[2]) / 255};
    } else if ((m = search(Pattern::hsl, text))) {
        c = colorFromHSL(num(m->groups[0]), fraction(m->groups[1]), fraction(m->groups[2]));
    } else {
        return std::nullopt;
    }
    const double alpha = m->fourthGroupMatched ? num(m->groups[3]) : 1;
    return ColorValue{clampComponent(c->red), clampComponent(c->green), clampComponent(c->blue),
                      clampComponent(alpha)};
}

// The edge cases, then generated texts. These are only useful when a fair share of them
// matches, and of them is one rgb() or hsl() form as a whole (read without a search).
TEST(CssPatternsDifferential, TextsReadAsTheReferencesRead) {
    TextGenerator generator{std::mt19937(1)};
    int matches = 0;
    int wholeForms = 0;
    const int edges = static_cast<int>(kEdgeCases.size());
    for (int i = -edges; i < 20000; ++i) {
        const std::string text = i < 0 ? kEdgeCases[std::size_t(i + edges)] : generator.next(i);
        ASSERT_EQ(findings(text, false), findings(text, true)) << text;
        matches += search(Pattern::hex6, text) || search(Pattern::rgb, text);
        wholeForms += std::regex_match(text, reference(Pattern::rgb)) ||
                      std::regex_match(text, reference(Pattern::hsl));
        ASSERT_EQ(parseLowercasedCssColor(text), patternColour(text)) << text;
    }
    EXPECT_GT(matches, 4000);
    EXPECT_GT(wholeForms, 500);
}

// Texts too long for the memo skip the full Unicode lower-casing; they must read the same.
TEST(CssPatternsDifferential, LongTextsReadAsAfterFullLowercasing) {
    TextGenerator generator{std::mt19937(3)};
    int colours = 0;
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        while (text.size() <= kCssMemoMaxTextBytes || generator.below(4) != 0) {
            text += generator.next(i);
        }
        const auto expected = parseLowercasedCssColor(toLowerUtf8(text));
        colours += expected.has_value() ? 1 : 0;
        ASSERT_EQ(colorFromCSString(text), expected) << text;
    }
    EXPECT_GT(colours, 200);
}

}  // namespace
}  // namespace hueloupe::css
