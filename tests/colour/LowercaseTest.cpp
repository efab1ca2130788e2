#include <gtest/gtest.h>

#include <string>

#include "colour/Lowercase.h"

namespace hueloupe {
namespace {

struct LowerCase {
    const char* name;
    std::string input;
    std::string expected;
};

class Lowercasing : public ::testing::TestWithParam<LowerCase> {};

TEST_P(Lowercasing, MapsText) {
    const LowerCase& c = GetParam();
    EXPECT_EQ(toLowerUtf8(c.input), c.expected);
}

const LowerCase kCases[] = {
    {"Empty", "", ""},
    {"Ascii", "RGBA(1, 2, 3) #ABCDEF Red", "rgba(1, 2, 3) #abcdef red"},
    {"AsciiControlsAndNul", std::string("A\0B\x7F", 4), std::string("a\0b\x7F", 4)},
    {"KelvinSignIsK", "BLAC\u212A", "black"},
    {"DottedCapitalIKeepsDot", "WH\u0130TE", "whi\u0307te"},
    {"LatinAccents", "#\u00C9A \u00C0\u00DF", "#\u00E9a \u00E0\u00DF"},
    {"Greek", "\u03A9\u0391", "\u03C9\u03B1"},
    {"Cyrillic", "\u0416", "\u0436"},
    {"FourByteDeseret", "\U00010400", "\U00010428"},
    {"AngstromSign", "\u212B", "\u00E5"},
    {"AlreadyLower", "\u00E9t\u00E9", "\u00E9t\u00E9"},
    // Ill-formed input: each maximal subpart becomes one U+FFFD.
    {"LoneContinuation", "A\x80Z", "a\uFFFDz"},
    {"TwoContinuations", "\x80\xBF", "\uFFFD\uFFFD"},
    {"OverlongLead", "\xC0\xAF", "\uFFFD\uFFFD"},
    {"TruncatedTwoByteAtEnd", "R\xC3", "r\uFFFD"},
    {"TruncatedThreeByte", "\xE2\x82Q", "\uFFFDq"},
    {"TruncatedFourByteAtEnd", "\xF0\x9F\x98", "\uFFFD"},
    {"Surrogate", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
    {"OverlongThreeByte", "\xE0\x80\x80", "\uFFFD\uFFFD\uFFFD"},
    {"AboveUnicode", "\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"InvalidLeadBytes", "\xF5\xFF", "\uFFFD\uFFFD"},
    {"ValidAfterInvalid", "\xC3\xC3\x89", "\uFFFD\u00E9"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Lowercasing, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LowercasingAppend, AppendKeepsWhatIsThere) {
    std::string out = "X";
    appendLowerUtf8("AB\u00C9", out);
    EXPECT_EQ(out, "Xab\u00E9");
}

}  // namespace
}  // namespace hueloupe
