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
        EXPECT_EQ(css::readDecimal(text), std::strtod(text.c_str(), nullptr)) << text.substr(0, 40);
    }
    std::mt19937 random(20240611);
    const std::string alphabet = "0123456789..%";
    for (int i = 0; i < 20000; ++i) {
        std::string text(1 + random() % (i % 10 == 0 ? 60 : 14), ' ');
        for (char& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        ASSERT_EQ(css::readDecimal(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

// Full Unicode mappings; invalid bytes are checked with the tokenizer's reading of them.
TEST(Lowercasing, MapsFullUnicode) {
    const std::pair<std::string, std::string> cases[] = {
        {"RGBA(1, 2, 3) #ABCDEF Red", "rgba(1, 2, 3) #abcdef red"},
        {std::string("A\0B\x7F", 4), std::string("a\0b\x7F", 4)},
        {"WH\u0130TE", "whi\u0307te"},  // capital I with dot above keeps its dot
        {"\u00C9\u00DF\u03A9\u212B\U00010400", "\u00E9\u00DF\u03C9\u00E5\U00010428"}};
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(input));
        EXPECT_EQ(toLowerUtf8(input), expected);
    }
}

}  // namespace
}  // namespace hueloupe
