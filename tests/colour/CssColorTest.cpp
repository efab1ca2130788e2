#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "TextGenerator.h"
#include "colour/CssColor.h"
#include "colour/Lowercase.h"

namespace hueloupe {
namespace {

struct ParseCase {
    std::string text;
    std::optional<ColorValue> expected;
};

ColorValue rgb255(double r, double g, double b, double a = 1.0) {
    return ColorValue{r / 255.0, g / 255.0, b / 255.0, a};
}

class CssParsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CssParsing, ReadsText) {
    const ParseCase& c = GetParam();
    // Twice: the second answer may come from the memo and must be the same.
    EXPECT_EQ(colorFromCSString(c.text), c.expected);
    EXPECT_EQ(colorFromCSString(c.text), c.expected);
}

const ParseCase kHexCases[] = {
    {"#bce368", rgb255(188, 227, 104)},
    {"bce368", rgb255(188, 227, 104)},
    {"#BCE368", rgb255(188, 227, 104)},
    {"color: #bce368;", rgb255(188, 227, 104)},
    {"#abc", rgb255(0xaa, 0xbb, 0xcc)},
    {"#ABC", rgb255(0xaa, 0xbb, 0xcc)},
    {"#abcd", rgb255(0xaa, 0xbb, 0xcc)},
    {"abc", std::nullopt},
    {"#ab", std::nullopt},
    {"#1234567", rgb255(0x12, 0x34, 0x56)},
    {"rgb(100000, 0, 0)", rgb255(16, 0, 0)},
    {"hsl(1, 1%, 123456)", rgb255(0x12, 0x34, 0x56)},
    {"#000000", rgb255(0, 0, 0)},
    {"#fff #000000", rgb255(0, 0, 0)},  // hex6 is tried first, wherever it stands
};
INSTANTIATE_TEST_SUITE_P(Hex, CssParsing, ::testing::ValuesIn(kHexCases));

const ParseCase kRgbCases[] = {
    {"rgba(188, 227, 104, 1.0)", rgb255(188, 227, 104)},
    {"rgb(1,2,3)", rgb255(1, 2, 3)},
    {"RGB(1,2,3)", rgb255(1, 2, 3)},
    {"rgb( 1,2,3)", std::nullopt},
    {"rgb(1 ,2,3)", std::nullopt},
    {"rgb(1,2,3 )", std::nullopt},
    {"rgb(300, 0, 0, 7)", ColorValue{1, 0, 0, 1}},
    {"rgba(0, 0, 0, .5)", ColorValue{0, 0, 0, 0.5}},
    {"rgba(1, 2, 3)", rgb255(1, 2, 3)},
    {"rgb(1, 2, 3, 0.25)", rgb255(1, 2, 3, 0.25)},
    {"rgb(100%, 0%, 0%)", std::nullopt},
    {"rgb(1.2.3, 5., .)", rgb255(1.2, 5, 0)},
    {"rgb(12.5,0,0)", rgb255(12.5, 0, 0)},
    {"the rgb(10,20,30) colour", rgb255(10, 20, 30)},
    {"rgb(-1, 0, 0)", std::nullopt},
    {"rgb(1e2, 0, 0)", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Rgb, CssParsing, ::testing::ValuesIn(kRgbCases));

const ParseCase kHslCases[] = {
    {"hsl(120, 100%, 25%)", ColorValue{0, 0.5, 0, 1}},
    {"hsl(120, 1, 0.25)", ColorValue{0, 0.5, 0, 1}},
    {"hsla(120, 1, 0.25)", ColorValue{0, 0.5, 0, 1}},
    {"hsl(120, 50, 50%)", ColorValue{0, 1, 0, 1}},
    {"hsl(-30, 50%, 50%)", std::nullopt},
    {"hsl(120deg, 50%, 50%)", std::nullopt},
    {"hsla(0, 100%, 50%, 0.5)", ColorValue{1, 0, 0, 0.5}},
    {"hsl(240, 100%, 50%, 3)", ColorValue{0, 0, 1, 1}},
    {"hsl(0, 0%, 150%)", ColorValue{1, 1, 1, 1}},
    {"hsl(360, 100%, 50%)", ColorValue{1, 0, 0, 1}},
    {"hsl(60, 100%, 50%)", ColorValue{1 - 0x1p-52, 1, 0, 1}},
};
INSTANTIATE_TEST_SUITE_P(Hsl, CssParsing, ::testing::ValuesIn(kHslCases));

const ParseCase kKeywordCases[] = {
    {"red", rgb255(255, 0, 0)},
    {"Red", rgb255(255, 0, 0)},
    {"RED", rgb255(255, 0, 0)},
    {"red ", std::nullopt},
    {" red", std::nullopt},
    {"AliceBlue", rgb255(240, 248, 255)},
    {"ALICEBLUE", rgb255(240, 248, 255)},
    {"aqua", rgb255(0, 255, 255)},
    {"cyan", std::nullopt},
    {"magenta", std::nullopt},
    {"lightgoldenrodyellow", rgb255(250, 250, 210)},
    {"dark gray", std::nullopt},
    {"darkgray1", std::nullopt},
    {"BLAC\u212A", rgb255(0, 0, 0)},  // KELVIN SIGN lower-cases to k
    {"WH\u0130TE", std::nullopt},     // U+0130 lower-cases to i + U+0307
    {"", std::nullopt},
    {std::string("red\0", 4), std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Keywords, CssParsing, ::testing::ValuesIn(kKeywordCases));

const ParseCase kNonAsciiCases[] = {
    {"#\u00E9a", std::nullopt},
    {"#\u00C9A", std::nullopt},
    {"#\u00E9abc", std::nullopt},  // the '#' must stand right before the digits
    {"\u00C9 #ABC", rgb255(0xaa, 0xbb, 0xcc)},
    {"\xFF#abc\x80", rgb255(0xaa, 0xbb, 0xcc)},
    {"rgb(1,\xC2\xA0"
     "2,3)",
     std::nullopt},  // NO-BREAK SPACE is not white space here
    {"\xC3", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(NonAscii, CssParsing, ::testing::ValuesIn(kNonAsciiCases));

TEST(CssParsingRules, DarkGrayIsLighterThanGray) {
    EXPECT_GT(colorFromCSString("darkgray")->red, colorFromCSString("gray")->red);
}

TEST(CssParsingRules, ParsingLowercasedTextSkipsLowercasing) {
    EXPECT_EQ(parseLowercasedCssColor("#abc"), colorFromCSString("#ABC"));
    EXPECT_FALSE(parseLowercasedCssColor("#ABC").has_value());
    EXPECT_FALSE(parseLowercasedCssColor("RED").has_value());
}

TEST(CssParsingRules, EveryResultLiesInUnitRange) {
    const char* texts[] = {"hsl(99999.9, 99999%, 50%, 99999)", "hsl(300, 99999, 0.7)",
                           "rgb(99999, 99999, 99999, 99999)", "hsl(0, 5, 5)",
                           "hsla(1, 0.00001, 0.5, 0.00001)"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const auto color = colorFromCSString(text);
        ASSERT_TRUE(color.has_value());
        for (const double component : {color->red, color->green, color->blue, color->alpha}) {
            EXPECT_GE(component, 0.0);
            EXPECT_LE(component, 1.0);
        }
    }
}

TEST(CssParsingRules, PathologicalTextIsAnsweredWithoutCrashing) {
    std::string dots = "rgb(";
    for (int i = 0; i < 100000; ++i) {
        dots += "1.";
    }
    EXPECT_FALSE(colorFromCSString(dots).has_value());
    EXPECT_EQ(colorFromCSString(dots + ",2,3)"), rgb255(1.1, 2, 3));

    std::string starts;
    while (starts.size() < 10'000'000) {
        starts += "RGB(1,2,3,4 HSL(1,2%,3, #12 \u00C9";
    }
    EXPECT_FALSE(colorFromCSString(starts).has_value());
    EXPECT_EQ(colorFromCSString(starts + "#ABC"), rgb255(0xaa, 0xbb, 0xcc));
}

// Texts too long for the memo skip the full Unicode lower-casing; they must read the same.
TEST(CssParsingRules, LongTextsReadAsAfterFullLowercasing) {
    const std::string pieces[] = {"\u212A",
                                  "\u0130",
                                  "\xFF",
                                  "\xC3",
                                  "\u00C9",
                                  "RGB(",
                                  "HSLA(",
                                  "#ABC",
                                  "#",
                                  "1",
                                  ",",
                                  " ",
                                  ")",
                                  "%",
                                  "bLaCk",
                                  "F",
                                  "\u212A\u212A\u212A"};
    css::TextGenerator generator(9);
    int colours = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string text = generator.filler(generator.below(300));
        while (text.size() <= kCssMemoMaxTextBytes || generator.below(4) != 0) {
            text += generator.below(2) == 0 ? pieces[generator.below(std::size(pieces))]
                                            : generator.tokens(3);
        }
        const auto expected = parseLowercasedCssColor(toLowerUtf8(text));
        colours += expected.has_value() ? 1 : 0;
        ASSERT_EQ(colorFromCSString(text), expected) << text;
    }
    EXPECT_GT(colours, 300);
}

}  // namespace
}  // namespace hueloupe
