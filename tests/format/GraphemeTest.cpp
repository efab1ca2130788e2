#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include <utf8proc.h>

#include "TokenTestSupport.h"
#include "format/GraphemeReader.h"
#include "format/Tokenizer.h"

namespace hueloupe::test {
namespace {

struct ClusterCase {
    const char* name;
    std::string input;
    TokenList expected;
};

void PrintTo(const ClusterCase& c, std::ostream* os) {
    *os << c.name;
}

class TokenizeClusters : public ::testing::TestWithParam<ClusterCase> {};

TEST_P(TokenizeClusters, ComparesWholeCharacters) {
    const ClusterCase& c = GetParam();
    EXPECT_EQ(tokenize(c.input), c.expected);
}

std::string caseName(const ::testing::TestParamInfo<ClusterCase>& info) {
    return info.param.name;
}

const std::string acute = "\u0301";  // combining acute accent
const std::string replacement = "\uFFFD";

// A mark that combines with a syntax character makes a different character.
INSTANTIATE_TEST_SUITE_P(
    Graphemes, TokenizeClusters,
    ::testing::Values(
        ClusterCase{"BraceWithAccent", "{" + acute + "r}", {lit("{" + acute + "r}")}},
        ClusterCase{"LetterWithAccent", "{r" + acute + "}", {lit("{r" + acute + "}")}},
        ClusterCase{"ClosingBraceWithAccent", "{r}" + acute, {lit("{r}" + acute)}},
        ClusterCase{"DigitWithAccent", "{r.1" + acute + "}", {lit("{r.1" + acute + "}")}},
        ClusterCase{"XWithAccent", "{rx" + acute + "}", {lit("{rx" + acute + "}")}},
        ClusterCase{"BackslashWithAccent",
                    "\\" + acute + "{r}",
                    {lit("\\" + acute), comp(C::red, S::integer)}},
        ClusterCase{"BraceWithJoiner", "{\u200Dr}", {lit("{\u200Dr}")}},
        ClusterCase{"PrependSwallowsBrace", "\u0600{r}", {lit("\u0600{r}")}},
        ClusterCase{"DecomposedTextBefore",
                    "e" + acute + "{r}",
                    {lit("e" + acute), comp(C::red, S::integer)}},
        ClusterCase{"EmojiBefore",
                    "\U0001F44D\U0001F3FD{g}",
                    {lit("\U0001F44D\U0001F3FD"), comp(C::green, S::integer)}},
        ClusterCase{"FlagsBefore",
                    "\U0001F1EB\U0001F1F7\U0001F1E9{b}",
                    {lit("\U0001F1EB\U0001F1F7\U0001F1E9"), comp(C::blue, S::integer)}},
        ClusterCase{"CrLfInsideReference", "{r\r\n}", {lit("{r\r\n}")}},
        ClusterCase{
            "CrLfText", "\r\n{r}\r\n", {lit("\r\n"), comp(C::red, S::integer), lit("\r\n")}}),
    caseName);

// Each invalid byte reads as U+FFFD, so the literal text is always valid UTF-8.
INSTANTIATE_TEST_SUITE_P(
    InvalidUtf8, TokenizeClusters,
    ::testing::Values(
        ClusterCase{"StrayByteBefore", "\xFF{r}", {lit(replacement), comp(C::red, S::integer)}},
        ClusterCase{"StrayByteInReference", "{r\xFF}", {lit("{r" + replacement + "}")}},
        ClusterCase{"TruncatedTwoByte", "a\xC3", {lit("a" + replacement)}},
        ClusterCase{"TruncatedThreeByte",
                    "\xE2\x82{r}",
                    {lit(replacement + replacement), comp(C::red, S::integer)}},
        ClusterCase{"Surrogate", "\xED\xA0\x80", {lit(replacement + replacement + replacement)}},
        ClusterCase{"Overlong", "\xC0\xAF", {lit(replacement + replacement)}},
        ClusterCase{"ContinuationTakesMark", "a\x80" + acute, {lit("a" + replacement + acute)}},
        ClusterCase{"EscapeBeforeInvalid",
                    "\\\xFF{r}",
                    {lit("\\" + replacement), comp(C::red, S::integer)}},
        ClusterCase{
            "ValidReplacementKept", "\uFFFD{r}", {lit(replacement), comp(C::red, S::integer)}}),
    caseName);

// The reader must split exactly as utf8proc does when asked about every pair in order.
std::vector<std::string> referenceClusters(const std::string& text) {
    std::vector<std::string> clusters;
    utf8proc_int32_t state = 0;
    utf8proc_int32_t previous = -1;
    for (std::size_t pos = 0; pos < text.size();) {
        utf8proc_int32_t value = -1;
        auto length = utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(text.data()) + pos,
                                       static_cast<utf8proc_ssize_t>(text.size() - pos), &value);
        if (length <= 0) {
            length = 1;
            value = 0xFFFD;
        }
        if (previous < 0 || utf8proc_grapheme_break_stateful(previous, value, &state)) {
            clusters.emplace_back();
        }
        clusters.back().append(text, pos, static_cast<std::size_t>(length));
        previous = value;
        pos += static_cast<std::size_t>(length);
    }
    return clusters;
}

TEST(GraphemeReader, SplitsLikeUtf8procOnMixedText) {
    const std::vector<std::string> pieces = {
        "a",      "{",      "}",      "\\",         "r",          "\r",         "\n",
        acute,    "\u200D", "\u0600", "\U0001F44D", "\U0001F3FD", "\U0001F1EB", "\uFE0F",
        "\u1100", "\u1161", "\xFF",   "\x80",       "\xE2\x82",   "\u00E9",     "\u0915\u094D"};
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 12);
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += pieces[pick(random)];
        }
        std::vector<std::string> clusters;
        GraphemeReader reader(text);
        for (int ch = reader.next(); ch != GraphemeReader::endOfText; ch = reader.next()) {
            const std::string cluster =
                text.substr(reader.clusterBegin(), reader.clusterEnd() - reader.clusterBegin());
            const bool oneAscii =
                cluster.size() == 1 && static_cast<unsigned char>(cluster[0]) < 0x80;
            const bool invalid = !isValidUtf8(cluster);
            ASSERT_EQ(ch, oneAscii  ? cluster[0]
                          : invalid ? GraphemeReader::invalidCharacter
                                    : GraphemeReader::otherCharacter);
            clusters.push_back(cluster);
        }
        ASSERT_EQ(clusters, referenceClusters(text)) << ::testing::PrintToString(text);
    }
}

TEST(Tokenize, LiteralTextIsValidUtf8ForAnyBytes) {
    std::mt19937 random(777);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    const std::string syntax = "{}\\rgbxRGB.%0123456789";
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            const int b = byte(random);
            text.push_back(b < 96 ? syntax[static_cast<std::size_t>(b) % syntax.size()]
                                  : static_cast<char>(b));
        }
        for (const ColorToken& token : tokenize(text)) {
            if (const auto* literal = std::get_if<LiteralToken>(&token)) {
                ASSERT_FALSE(literal->text.empty());
                ASSERT_TRUE(isValidUtf8(literal->text)) << ::testing::PrintToString(text);
            }
        }
    }
}

}  // namespace
}  // namespace hueloupe::test
