#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TextGenerator.h"
#include "colour/CssForms.h"

namespace hueloupe::css {
namespace {

struct WholeFormCase {
    std::string text;
    std::optional<ColorValue> expected;  // unclamped; nothing: the full search decides
};

class WholeFunctionalForm : public ::testing::TestWithParam<WholeFormCase> {};

TEST_P(WholeFunctionalForm, TakesOnlyPlainWholeForms) {
    const WholeFormCase& c = GetParam();
    const auto actual = wholeTextForm(c.text);
    EXPECT_EQ(actual, c.expected);
    if (actual) {
        EXPECT_EQ(actual, searchNumericForm(c.text));
    }
}

const WholeFormCase kCases[] = {
    {"#bce368", ColorValue{188 / 255.0, 227 / 255.0, 104 / 255.0, 1}},
    {"bce368", ColorValue{188 / 255.0, 227 / 255.0, 104 / 255.0, 1}},
    {"#abc", ColorValue{0xaa / 255.0, 0xbb / 255.0, 0xcc / 255.0, 1}},
    {"abc", std::nullopt},
    {"#abcd", std::nullopt},
    {"#ab", std::nullopt},
    {"#abcdeg", std::nullopt},
    {"#abcdef0", std::nullopt},
    {"#", std::nullopt},
    {"rgb(1,2,3)", ColorValue{1 / 255.0, 2 / 255.0, 3 / 255.0, 1}},
    {"rgba(188, 227, 104, 1.0)", ColorValue{188 / 255.0, 227 / 255.0, 104 / 255.0, 1}},
    {"rgb(12345.12345,\t5.,.5, 0.99)",
     ColorValue{12345.12345 / 255.0, 5 / 255.0, 0.5 / 255.0, 0.99}},
    {"hsl(120, 100%, 25%)", ColorValue{0, 0.5, 0, 1}},
    {"hsla(120,1,0.25,0.5)", ColorValue{0, 0.5, 0, 0.5}},
    {"hsl(120, 50, 50%)", ColorValue{-24.5, 25.5, -24.5, 1}},
    {"rgb(1.2.3,4,5)", std::nullopt},   // a second point: left to the full reading
    {"rgb(123456,0,0)", std::nullopt},  // six digits: hex6 decides
    {"rgb(1,2,3.123456)", std::nullopt},
    {"rgb(.,1,2)", std::nullopt},
    {"rgb(1,2,3) ", std::nullopt},
    {" rgb(1,2,3)", std::nullopt},
    {"rgb(1,2,3%)", std::nullopt},
    {"hsl(1%,2,3)", std::nullopt},
    {"hsl(1,2,3,4%)", std::nullopt},
    {"rgb(1,2,3,4,5)", std::nullopt},
    {"rgb(1,2,3,)", std::nullopt},
    {"rgbx(1,2,3)", std::nullopt},
    {"rgb(1 ,2,3)", std::nullopt},
    {"rgb(", std::nullopt},
    {"", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Cases, WholeFunctionalForm, ::testing::ValuesIn(kCases));

// Whatever the shortcut answers, the full search must answer the same.
TEST(WholeFunctionalFormAgreement, MatchesTheFullSearchOnGeneratedTexts) {
    TextGenerator generator(5);
    int answered = 0;
    int failures = 0;
    for (int i = 0; i < 40000; ++i) {
        std::string text =
            i % 2 == 0 ? generator.tokens(16)
                       : generator.mutation(kSampleColours[generator.below(kSampleColours.size())],
                                            static_cast<int>(generator.below(3)));
        const auto shortcut = wholeTextForm(text);
        if (!shortcut) {
            continue;
        }
        ++answered;
        if (shortcut != searchNumericForm(text) && ++failures <= 10) {
            ADD_FAILURE() << "text \"" << text << "\"";
        }
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(answered, 5000);
}

}  // namespace
}  // namespace hueloupe::css
