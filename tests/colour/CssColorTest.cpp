// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "CssColor.h"

namespace hueloupe {
namespace {

constexpr std::optional<ColorValue> none;

ColorValue rgb255(double r, double g, double b, double a = 1.0) {
    return ColorValue{r / 255.0, g / 255.0, b / 255.0, a};
}

// Each row: texts that all read as one colour, or as nothing.
TEST(CssParsing, ReadsEachForm) {
    const std::pair<std::vector<std::string>, std::optional<ColorValue>> cases[] = {
        // hex6 anywhere, with or without '#', before any other form; then #hex3.
        {{"#bce368", "bce368", "#BCE368", "#bce3689", "color: #bce368;",
          "rgba(188, 227, 104, 1.0)"},
         rgb255(188, 227, 104)},
        {{"#abc", "#abcd", "\u00C9 #ABC", "\xFF#abc\x80"}, rgb255(0xaa, 0xbb, 0xcc)},
        {{"rgb(100000, 0, 0)"}, rgb255(16, 0, 0)},
        {{"#fff #000000"}, rgb255(0, 0, 0)},
        {{"rebeccapurple"}, rgb255(0xeb, 0xec, 0xca)},  // not a keyword, but "ebecca" is hex6
        // rgb and hsl: numbers as strtod reads them, alpha optional either way, then clamped.
        {{"rgb(1,2,3)", "rgba(1, 2, 3)", "the colour rgb(1,2,3) in a sentence"}, rgb255(1, 2, 3)},
        {{"RGB(300, 0, 0, 7)", "hsl(360, 100%, 50%)", "red", "Red", "RED"}, ColorValue{1, 0, 0, 1}},
        {{"rgba(0, 0, 0, .5)"}, ColorValue{0, 0, 0, 0.5}},
        {{"hsl(120, 100%, 25%)", "hsl(120, 1, 0.25)", "hsla(120, 1, 0.25)"},
         ColorValue{0, 0.5, 0, 1}},
        {{"hsl(120, 50, 50%)", "lime"}, ColorValue{0, 1, 0, 1}},
        {{"hsl(240, 100%, 50%, 3)", "blue"}, ColorValue{0, 0, 1, 1}},
        {{"hsl(0, 0%, 150%)", "white"}, ColorValue{1, 1, 1, 1}},
        // Keywords: the whole lower-cased text (KELVIN SIGN lower-cases to k).
        {{"BLAC\u212A", "black"}, ColorValue{0, 0, 0, 1}},
        {{"AliceBlue", "ALICEBLUE"}, rgb255(240, 248, 255)},
        {{"gray", "grey"}, rgb255(128, 128, 128)},
        {{"yellowgreen"}, rgb255(154, 205, 50)},  // the last keyword of the table
        {{"cadetblue"}, rgb255(95, 158, 160)},    // the longest run of hex digits: four
        // Nothing (more pattern edges in the differential test): signs, exponents, NO-BREAK
        // SPACE, non-keywords, U+0130 (lower-cases to i + U+0307), stray bytes.
        {{"abc", "#ab", "#\u00E9abc", "", "\xC3", "rgb(-1, 0, 0)", "rgb(1e2, 0, 0)",
          "rgb(1,\u00A02,3)"},
         none},
        {{"cyan", "magenta", "red ", " red", "dark gray", "darkgray1", std::string("red\0", 4),
          "WH\u0130TE", "blac", "blacks", "yellowgreen2", "re", "lightgoldenrodyellowx"},
         none}};
    for (const auto& [texts, expected] : cases) {
        for (const std::string& text : texts) {
            SCOPED_TRACE(text);
            // Twice: the second answer may come from the memo and must be the same.
            EXPECT_EQ(colorFromCSString(text), expected);
            EXPECT_EQ(colorFromCSString(text), expected);
        }
    }
}

TEST(CssParsing, PathologicalTextIsAnsweredWithoutCrashing) {
    std::string dots = "rgb(";
    for (int i = 0; i < 100000; ++i) {
        dots += "1.";
    }
    EXPECT_EQ(colorFromCSString(dots), none);
    EXPECT_EQ(colorFromCSString(dots + ",2,3)"), rgb255(1.1, 2, 3));

    std::string starts;
    while (starts.size() < 10'000'000) {
        starts += "RGB(1,2,3,4 HSL(1,2%,3, #12 \u00C9";
    }
    EXPECT_EQ(colorFromCSString(starts), none);
    EXPECT_EQ(colorFromCSString(starts + "#ABC"), rgb255(0xaa, 0xbb, 0xcc));
}

// Past its limit the memo stores nothing new, and every text is still answered rightly, the
// second time as the first. On a fresh thread, whose memo starts empty.
TEST(CssMemo, KeepsAnsweringPastItsLimit) {
    std::thread([] {
        char text[8];
        for (int round = 0; round < 2; ++round) {
            for (std::size_t i = 0; i < kCssMemoMaxEntries + 10; ++i) {
                std::snprintf(text, sizeof text, "%06zx", i);
                ASSERT_EQ(colorFromCSString(text),
                          rgb255(static_cast<double>(i >> 16), (i >> 8) & 255, i & 255));
            }
        }
    }).join();
}

}  // namespace
}  // namespace hueloupe
