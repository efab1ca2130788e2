#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "TokenTestSupport.h"
#include "format/Tokenizer.h"

namespace hueloupe::test {
namespace {

struct TokenizeCase {
    const char* name;
    std::string input;
    TokenList expected;
};

void PrintTo(const TokenizeCase& c, std::ostream* os) {
    *os << c.name;
}

class Tokenize : public ::testing::TestWithParam<TokenizeCase> {};

TEST_P(Tokenize, GivesTokens) {
    const TokenizeCase& c = GetParam();
    SCOPED_TRACE(c.input);
    EXPECT_EQ(tokenize(c.input), c.expected);
}

std::string caseName(const ::testing::TestParamInfo<TokenizeCase>& info) {
    return info.param.name;
}

constexpr std::int64_t maxInt64 = std::numeric_limits<std::int64_t>::max();

// Plain text, and what starts or does not start a reference from the text state.
INSTANTIATE_TEST_SUITE_P(
    InText, Tokenize,
    ::testing::Values(
        TokenizeCase{"Empty", "", {}}, TokenizeCase{"PlainText", "abc", {lit("abc")}},
        TokenizeCase{
            "TextAroundReference", "ab{r}cd", {lit("ab"), comp(C::red, S::integer), lit("cd")}},
        TokenizeCase{"ClosingBraceIsText", "a}b", {lit("a}b")}},
        TokenizeCase{"BraceAfterReference", "{r}}", {comp(C::red, S::integer), lit("}")}},
        TokenizeCase{
            "AdjacentReferences", "{r}{g}", {comp(C::red, S::integer), comp(C::green, S::integer)}},
        TokenizeCase{
            "HslFormat",
            "hsl({h}, {s}%, {l}%)",
            {lit("hsl("), comp(C::hue, S::integer), lit(", "), comp(C::saturation, S::percent),
             lit("%, "), comp(C::lightness, S::percent), lit("%)")}},
        TokenizeCase{"CodeFormat",
                     "[UIColor colorWithRed:{r.} green:{g.} blue:{b.} alpha:{a}]",
                     {lit("[UIColor colorWithRed:"), comp(C::red, S::decimal, 4), lit(" green:"),
                      comp(C::green, S::decimal, 4), lit(" blue:"), comp(C::blue, S::decimal, 4),
                      lit(" alpha:"), comp(C::alpha, S::decimal, 2), lit("]")}}),
    caseName);

// A backslash escapes "{" and itself; before anything else it stays.
INSTANTIATE_TEST_SUITE_P(
    Escape, Tokenize,
    ::testing::Values(
        TokenizeCase{"EscapedBrace", "\\{r}", {lit("{r}")}},
        TokenizeCase{"EscapedBraceInText", "x\\{r}y", {lit("x{r}y")}},
        TokenizeCase{"EscapedBackslash", "\\\\{r}", {lit("\\"), comp(C::red, S::integer)}},
        TokenizeCase{"TwoEscapedBackslashes", "\\\\\\\\", {lit("\\\\")}},
        TokenizeCase{"BackslashBeforeOther", "\\x", {lit("\\x")}},
        TokenizeCase{"BackslashBeforeClosingBrace", "\\}", {lit("\\}")}},
        TokenizeCase{"BackslashAtEnd", "a\\", {lit("a\\")}},
        TokenizeCase{
            "EscapeEndsAfterOneCharacter", "\\a{r}", {lit("\\a"), comp(C::red, S::integer)}},
        TokenizeCase{"ThreeBackslashes", "\\\\\\{r}", {lit("\\{r}")}}),
    caseName);

// The letter table, in both cases.
INSTANTIATE_TEST_SUITE_P(
    OpenBrace, Tokenize,
    ::testing::Values(
        TokenizeCase{"Red", "{r}", {comp(C::red, S::integer)}},
        TokenizeCase{"RedUpper", "{R}", {comp(C::red, S::integer, 0, true)}},
        TokenizeCase{"Green", "{g}", {comp(C::green, S::integer)}},
        TokenizeCase{"GreenUpper", "{G}", {comp(C::green, S::integer, 0, true)}},
        TokenizeCase{"Blue", "{b}", {comp(C::blue, S::integer)}},
        TokenizeCase{"BlueUpper", "{B}", {comp(C::blue, S::integer, 0, true)}},
        TokenizeCase{"Hue", "{h}", {comp(C::hue, S::integer)}},
        TokenizeCase{"HueUpper", "{H}", {comp(C::hue, S::integer, 0, true)}},
        TokenizeCase{"Saturation", "{s}", {comp(C::saturation, S::percent)}},
        TokenizeCase{"SaturationUpper", "{S}", {comp(C::saturation, S::percent, 0, true)}},
        TokenizeCase{"Lightness", "{l}", {comp(C::lightness, S::percent)}},
        TokenizeCase{"LightnessUpper", "{L}", {comp(C::lightness, S::percent, 0, true)}},
        TokenizeCase{"Alpha", "{a}", {comp(C::alpha, S::decimal, 2)}},
        TokenizeCase{"AlphaUpper", "{A}", {comp(C::alpha, S::decimal, 2, true)}},
        TokenizeCase{"EmptyReference", "{}", {lit("{}")}},
        TokenizeCase{"UnknownLetter", "{q}", {lit("{q}")}},
        TokenizeCase{"BraceAfterBraceStartsNothing", "{{r}", {lit("{{r}")}},
        TokenizeCase{"LoneBraceAtEnd", "ab{", {lit("ab"), lit("{")}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    AfterLetter, Tokenize,
    ::testing::Values(
        TokenizeCase{"MixedReferences",
                     "#{RR}{gg}{bx}",
                     {lit("#"), comp(C::red, S::twoDigitHex, 0, true),
                      comp(C::green, S::twoDigitHex), comp(C::blue, S::oneDigitHex)}},
        TokenizeCase{"OneDigitUpper", "{Gx}", {comp(C::green, S::oneDigitHex, 0, true)}},
        TokenizeCase{"BlueTwice", "{BB}", {comp(C::blue, S::twoDigitHex, 0, true)}},
        TokenizeCase{"AlphaPercent", "{a%}", {comp(C::alpha, S::percent, 2)}},
        TokenizeCase{"RedPercent", "{r%}", {comp(C::red, S::percent)}},
        TokenizeCase{"HueDecimal", "{h.}", {comp(C::hue, S::decimal, 4)}},
        TokenizeCase{"MixedCaseTwice", "{rR}", {lit("{rR}")}},
        TokenizeCase{"UpperX", "{rX}", {lit("{rX}")}},
        TokenizeCase{"HueTwice", "{hh}", {lit("{hh}")}},
        TokenizeCase{"HueX", "{hx}", {lit("{hx}")}}, TokenizeCase{"AlphaX", "{ax}", {lit("{ax}")}},
        TokenizeCase{"OtherCharacter", "{r-}", {lit("{r-}")}},
        TokenizeCase{"BraceEndsReference", "{r{g}", {lit("{r{g}")}},
        TokenizeCase{"BackslashEndsReferenceAndStartsNothing",
                     "{r\\{g}",
                     {lit("{r\\"), comp(C::green, S::integer)}},
        TokenizeCase{"UnfinishedAtEnd", "{r", {lit("{r")}},
        TokenizeCase{"AbandonedThenReference", "{q} {r}", {lit("{q} "), comp(C::red, S::integer)}},
        TokenizeCase{"LiteralsNotMerged", "{q} {r", {lit("{q} "), lit("{r")}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    PrecisionDigits, Tokenize,
    ::testing::Values(TokenizeCase{"DefaultFour", "{r.}", {comp(C::red, S::decimal, 4)}},
                      TokenizeCase{"AlphaDefaultFour", "{a.}", {comp(C::alpha, S::decimal, 4)}},
                      TokenizeCase{"Two", "{r.2}", {comp(C::red, S::decimal, 2)}},
                      TokenizeCase{"Zero", "{r.0}", {comp(C::red, S::decimal, 0)}},
                      TokenizeCase{"LeadingZeros", "{r.007}", {comp(C::red, S::decimal, 7)}},
                      TokenizeCase{"ManyLeadingZeros",
                                   "{r.0000000000000000000000000000012}",
                                   {comp(C::red, S::decimal, 12)}},
                      TokenizeCase{"LargestInt64",
                                   "{r.9223372036854775807}",
                                   {comp(C::red, S::decimal, maxInt64)}},
                      TokenizeCase{"JustAboveInt64Saturates",
                                   "{r.9223372036854775808}",
                                   {comp(C::red, S::decimal, maxInt64)}},
                      TokenizeCase{"HugeSaturates",
                                   "{g.123456789012345678901234567890}",
                                   {comp(C::green, S::decimal, maxInt64)}},
                      TokenizeCase{"LetterAfterDigits", "{r.2x}", {lit("{r.2x}")}},
                      TokenizeCase{"SecondPoint", "{r..}", {lit("{r..}")}},
                      TokenizeCase{"UnfinishedAtEnd", "{r.", {lit("{r.")}},
                      TokenizeCase{"UnfinishedDigitsAtEnd", "x{r.12", {lit("x"), lit("{r.12")}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    ExpectClose, Tokenize,
    ::testing::Values(TokenizeCase{"TwoDigitHex", "{rr}", {comp(C::red, S::twoDigitHex)}},
                      TokenizeCase{"OneDigitHex", "{rx}", {comp(C::red, S::oneDigitHex)}},
                      TokenizeCase{"PercentThenClose", "{s%}", {comp(C::saturation, S::percent)}},
                      TokenizeCase{"HexThenPercent", "{rr%}", {lit("{rr%}")}},
                      TokenizeCase{"PercentThenX", "{r%x}", {lit("{r%x}")}},
                      TokenizeCase{"ThirdLetter", "{rrr}", {lit("{rrr}")}},
                      TokenizeCase{"UnfinishedAtEnd", "{gg", {lit("{gg")}},
                      TokenizeCase{"BraceAbandons", "{rr{r}", {lit("{rr{r}")}}),
    caseName);

}  // namespace
}  // namespace hueloupe::test
