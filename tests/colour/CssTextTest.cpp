// SPDX-License-Identifier: MIT
// The pieces the parser reads text with: decimal numbers and lower-casing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "CssPatterns.h"
#include "Utf8.h"

namespace hueloupe {
namespace {

double strtodReference(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

// The longest leading number, correctly rounded; short texts are covered by the random ones.
TEST(ReadDecimal, ReadsAsStrtodDoes) {
    // 2^53 + 1 rounds to even; more than 22 fraction digits; overflow; underflow; subnormal.
    const std::string texts[] = {"9007199254740993",
                                 "0.1000000000000000000000001",
                                 std::string(400, '9'),
                                 "0." + std::string(400, '0') + "1",
                                 "0." + std::string(320, '0') + "5",
                                 "1" + std::string(30, '0'),
                                 "99999.99999",
                                 ""};
    for (const std::string& text : texts) {
        EXPECT_EQ(css::readDecimal(text), strtodReference(text)) << text.substr(0, 40);
    }
    std::mt19937 random(20240611);
    const std::string alphabet = "0123456789..%";
    for (int i = 0; i < 20000; ++i) {
        std::string text(1 + random() % (i % 10 == 0 ? 60 : 14), ' ');
        for (char& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        ASSERT_EQ(css::readDecimal(text), strtodReference(text)) << text;
    }
}

// Invalid bytes are replaced one by one, as utf8proc reads them (the tokenizer reads them alike).
TEST(Lowercasing, MapsFullUnicodeAndReplacesEachInvalidByte) {
    const std::pair<std::string, std::string> cases[] = {
        {"RGBA(1, 2, 3) #ABCDEF Red", "rgba(1, 2, 3) #abcdef red"},
        {std::string("A\0B\x7F", 4), std::string("a\0b\x7F", 4)},
        {"BLAC\u212A", "black"},        // KELVIN SIGN
        {"WH\u0130TE", "whi\u0307te"},  // capital I with dot above keeps its dot
        {"\u00C9\u00DF\u03A9\u212B\U00010400", "\u00E9\u00DF\u03C9\u00E5\U00010428"},
        // A lone continuation byte, an overlong form, a truncated sequence, a surrogate, a
        // value above U+10FFFF, a lead byte before a valid sequence, truncation at the end.
        {"A\x80|\xC0\xAF|\xE2\x82Q|\xED\xA0\x80|\xF4\x90\x80\x80|\xC3\xC3\x89|R\xC3",
         "a\uFFFD|\uFFFD\uFFFD|\uFFFD\uFFFDq|\uFFFD\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD\uFFFD|"
         "\uFFFD\u00E9|"
         "r\uFFFD"}};
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(input));
        EXPECT_EQ(toLowerUtf8(input), expected);
    }
}

}  // namespace
}  // namespace hueloupe
