#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "colour/CssPatterns.h"

namespace hueloupe::css {
namespace {

struct PatternCase {
    Pattern pattern;
    std::string text;
    std::optional<std::string> whole;  // nothing: no match
    std::string groups[4];
    bool alpha;
};

constexpr Pattern kHex6 = Pattern::hex6;
constexpr Pattern kHex3 = Pattern::hex3;
constexpr Pattern kRgb = Pattern::rgb;
constexpr Pattern kHsl = Pattern::hsl;

const PatternCase kCases[] = {
    // hex6: first run of six hex digits, '#' taken when it stands just before.
    {kHex6, "#bce368", "#bce368", {"bc", "e3", "68", ""}, false},
    {kHex6, "bce368", "bce368", {"bc", "e3", "68", ""}, false},
    {kHex6, "color: #bce368;", "#bce368", {"bc", "e3", "68", ""}, false},
    {kHex6, "#1234567", "#123456", {"12", "34", "56", ""}, false},
    {kHex6, "##123456", "#123456", {"12", "34", "56", ""}, false},
    {kHex6, "12345#abcdef", "#abcdef", {"ab", "cd", "ef", ""}, false},
    {kHex6, "rgb(100000, 0, 0)", "100000", {"10", "00", "00", ""}, false},
    {kHex6, "#abcde", std::nullopt, {}, false},
    {kHex6, "abcde#f", std::nullopt, {}, false},
    {kHex6, "", std::nullopt, {}, false},
    // hex3 needs the '#'.
    {kHex3, "#abc", "#abc", {"a", "b", "c", ""}, false},
    {kHex3, "#abcd", "#abc", {"a", "b", "c", ""}, false},
    {kHex3, "abc", std::nullopt, {}, false},
    {kHex3, "#ab", std::nullopt, {}, false},
    {kHex3, "#ab #0f9", "#0f9", {"0", "f", "9", ""}, false},
    {kHex3, "##123", "#123", {"1", "2", "3", ""}, false},
    // rgb: no blanks before commas or around the parentheses, any blanks after commas.
    {kRgb, "rgb(1,2,3)", "rgb(1,2,3)", {"1", "2", "3", ""}, false},
    {kRgb,
     "rgba(188, 227, 104, 1.0)",
     "rgba(188, 227, 104, 1.0)",
     {"188", "227", "104", "1.0"},
     true},
    {kRgb,
     "rgb(1,\t\n\v\f\r 2, 3,  .5)",
     "rgb(1,\t\n\v\f\r 2, 3,  .5)",
     {"1", "2", "3", ".5"},
     true},
    {kRgb, "rgba(1, 2, 3)", "rgba(1, 2, 3)", {"1", "2", "3", ""}, false},
    {kRgb, "x rgb(1.2.3,..,5.)y", "rgb(1.2.3,..,5.)", {"1.2.3", "..", "5.", ""}, false},
    {kRgb, "rgb( 1,2,3)", std::nullopt, {}, false},
    {kRgb, "rgb(1 ,2,3)", std::nullopt, {}, false},
    {kRgb, "rgb(1,2,3 )", std::nullopt, {}, false},
    {kRgb, "rgb(100%, 0%, 0%)", std::nullopt, {}, false},
    {kRgb, "rgb(1,2,3,4,5)", std::nullopt, {}, false},
    {kRgb, "rgb(1,2,3,)", std::nullopt, {}, false},
    {kRgb, "rgbaa(1,2,3)", std::nullopt, {}, false},
    {kRgb, "rgb(1,2,rgb(4,5,6)", "rgb(4,5,6)", {"4", "5", "6", ""}, false},
    {kRgb, "rgb(1,2,3,4 rgba(7,8,9,1)", "rgba(7,8,9,1)", {"7", "8", "9", "1"}, true},
    {kRgb, "rrgb(1,2,3)", "rgb(1,2,3)", {"1", "2", "3", ""}, false},
    // hsl: saturation and lightness may carry '%', hue and alpha may not.
    {kHsl, "hsl(120, 100%, 25%)", "hsl(120, 100%, 25%)", {"120", "100%", "25%", ""}, false},
    {kHsl, "hsla(120,1,0.25,0.5)", "hsla(120,1,0.25,0.5)", {"120", "1", "0.25", "0.5"}, true},
    {kHsl, "hsl(120%, 1, 1)", std::nullopt, {}, false},
    {kHsl, "hsl(1, 1%%, 1)", std::nullopt, {}, false},
    {kHsl, "hsl(1, 1, 1, 1%)", std::nullopt, {}, false},
    {kHsl, "hsl(-30, 50%, 50%)", std::nullopt, {}, false},
    {kHsl, "hsl(120deg, 50%, 50%)", std::nullopt, {}, false},
    {kHsl, "hsl(1,2,3%,hsl(4,5%,6)", "hsl(4,5%,6)", {"4", "5%", "6", ""}, false},
    // Matches that cross or follow the 64-byte steps in which the text is read.
    {kHex6, std::string(59, 'x') + "#abcdef", "#abcdef", {"ab", "cd", "ef", ""}, false},
    {kHex6, std::string(63, 'x') + "#abcdef", "#abcdef", {"ab", "cd", "ef", ""}, false},
    {kHex6, std::string(62, 'x') + "abcdef", "abcdef", {"ab", "cd", "ef", ""}, false},
    {kHex6,
     std::string(60, 'x') + "abcde" + std::string(70, 'x') + "123456",
     "123456",
     {"12", "34", "56", ""},
     false},
    {kHex6,
     std::string(200, '1').substr(0, 5) + std::string(120, 'x') + "#00ff00x",
     "#00ff00",
     {"00", "ff", "00", ""},
     false},
    {kHex3, std::string(61, 'x') + "#abc", "#abc", {"a", "b", "c", ""}, false},
    {kHex3, std::string(63, 'x') + "#abc", "#abc", {"a", "b", "c", ""}, false},
    {kHex3, std::string(62, '#') + "ab#abc", "#abc", {"a", "b", "c", ""}, false},
    {kRgb, std::string(62, 'x') + "rgb(1,2,3)", "rgb(1,2,3)", {"1", "2", "3", ""}, false},
    {kRgb,
     "rgb(" + std::string(70, '1') + ",2," + std::string(70, '.') + ")x",
     "rgb(" + std::string(70, '1') + ",2," + std::string(70, '.') + ")",
     {"1111111111111111111111111111111111111111111111111111111111111111111111", "2",
      "......................................................................", ""},
     false},
    {kHsl, std::string(100, 'h') + "sl(1,2%,3%)", "hsl(1,2%,3%)", {"1", "2%", "3%", ""}, false},
};

class PatternSearch : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternSearch, FindsLeftmostMatchAndGroups) {
    const PatternCase& c = GetParam();
    const auto match = search(c.pattern, c.text);
    if (!c.whole) {
        EXPECT_FALSE(match.has_value());
        return;
    }
    ASSERT_TRUE(match.has_value());
    EXPECT_EQ(match->whole, *c.whole);
    EXPECT_EQ(static_cast<std::size_t>(match->whole.data() - c.text.data()), c.text.find(*c.whole));
    for (int g = 0; g < 4; ++g) {
        EXPECT_EQ(match->groups[g], c.groups[g]) << "group " << g + 1;
    }
    EXPECT_EQ(match->fourthGroupMatched, c.alpha);
}

INSTANTIATE_TEST_SUITE_P(Cases, PatternSearch, ::testing::ValuesIn(kCases));

TEST(PatternSearchLimits, LongRepetitiveTextsDoNotOverflowTheStack) {
    std::string ones = "rgb(";
    for (int i = 0; i < 100000; ++i) {
        ones += "1.";
    }
    std::string starts;
    for (int i = 0; i < 100000; ++i) {
        starts += "rgb(1,2,3,4 hsl(1,2%,3,";
    }
    for (const std::string& text : {ones, starts, ones + ",2,3)"}) {
        for (const Pattern pattern : {kHex6, kHex3, kRgb, kHsl}) {
            const auto match = search(pattern, text);
            const bool expected = pattern == kRgb && text.back() == ')';
            EXPECT_EQ(match.has_value(), expected);
        }
    }
}

// Where a name starts by the mask's rule: the whole name within the run, or the first letter
// alone in the run's last two places.
bool nameStarts(const std::string& text, std::size_t k, const char* name) {
    return text[k] == name[0] &&
           (k >= 62 || (k + 2 < text.size() && text[k + 1] == name[1] && text[k + 2] == name[2]));
}

TEST(ByteClassification, AgreesWithByteByByteReadingForEveryLength) {
    std::mt19937 random(7);
    const std::string alphabets[] = {"09af/:`g#rhbsl \x80\xFF.AFR", "rgbhsl#a1"};
    for (std::size_t length = 0; length <= 64; ++length) {
        for (int round = 0; round < 50; ++round) {
            const std::string& alphabet = alphabets[round % 2];
            std::string text;
            for (std::size_t k = 0; k < length; ++k) {
                text.push_back(alphabet[random() % alphabet.size()]);
            }
            ByteMasks expected;
            for (std::size_t k = 0; k < length; ++k) {
                const char c = text[k];
                const std::uint64_t bit = std::uint64_t{1} << k;
                const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
                expected.hex |= hex ? bit : 0;
                expected.hash |= c == '#' ? bit : 0;
                expected.rgb |= nameStarts(text, k, "rgb") ? bit : 0;
                expected.hsl |= nameStarts(text, k, "hsl") ? bit : 0;
            }
            const ByteMasks actual = classifyBytes(text.data(), text.size());
            SCOPED_TRACE(testing::Message() << "length " << length << " text " << text);
            EXPECT_EQ(actual.hex, expected.hex);
            EXPECT_EQ(actual.hash, expected.hash);
            EXPECT_EQ(actual.rgb, expected.rgb);
            EXPECT_EQ(actual.hsl, expected.hsl);
        }
    }
}

}  // namespace
}  // namespace hueloupe::css
