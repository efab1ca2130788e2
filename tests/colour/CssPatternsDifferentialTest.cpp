// Checks the hand-written matcher against the standard library's ECMAScript regex, which
// follows the four patterns literally, on many generated short texts (the standard regex
// recurses per character, so texts stay short).
#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>
#include <vector>

#include "TextGenerator.h"
#include "colour/CssPatterns.h"

namespace hueloupe::css {
namespace {

struct Reference {
    Pattern pattern;
    std::regex regex;
    int groups;
};

const std::array<Reference, 4>& references() {
    static const std::array<Reference, 4> table = {{
        {Pattern::hex6, std::regex("#?([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})"), 3},
        {Pattern::hex3, std::regex("#([0-9a-f])([0-9a-f])([0-9a-f])"), 3},
        {Pattern::rgb,
         std::regex(R"(rgba?\(([0-9\.]+),\s*([0-9\.]+),\s*([0-9\.]+)(?:,\s*([0-9\.]+))?\))"), 4},
        {Pattern::hsl,
         std::regex(R"(hsla?\(([0-9\.]+),\s*([0-9\.]+%?),\s*([0-9\.]+%?)(?:,\s*([0-9\.]+))?\))"),
         4},
    }};
    return table;
}

// Empty when both agree, otherwise a description of the first difference.
std::string compare(const Reference& reference, const std::string& text) {
    std::smatch expected;
    const bool found = std::regex_search(text, expected, reference.regex);
    const auto actual = search(reference.pattern, text);
    if (found != actual.has_value()) {
        return found ? "regex matched, matcher did not" : "matcher matched, regex did not";
    }
    if (!found) {
        return {};
    }
    const auto position = static_cast<std::size_t>(actual->whole.data() - text.data());
    if (position != static_cast<std::size_t>(expected.position(0)) ||
        actual->whole != expected.str(0)) {
        return "whole match differs: " + expected.str(0) + " vs " + std::string(actual->whole);
    }
    for (int g = 0; g < reference.groups; ++g) {
        if (actual->groups[g] != expected.str(g + 1)) {
            return "group " + std::to_string(g + 1) + " differs";
        }
    }
    const bool alphaExpected = reference.groups == 4 && expected[4].matched;
    if (actual->fourthGroupMatched != alphaExpected) {
        return "participation of group 4 differs";
    }
    if (!alphaExpected && !actual->groups[3].empty()) {
        return "group 4 has text without taking part";
    }
    return {};
}

// Runs every pattern on every text; reports at most a few differing texts.
void expectAgreement(const std::vector<std::string>& texts) {
    int failures = 0;
    int matches = 0;
    for (const std::string& text : texts) {
        for (const Reference& reference : references()) {
            const std::string difference = compare(reference, text);
            matches += search(reference.pattern, text).has_value() ? 1 : 0;
            if (!difference.empty() && ++failures <= 10) {
                ADD_FAILURE() << "pattern " << static_cast<int>(reference.pattern) << " text \""
                              << text << "\": " << difference;
            }
        }
    }
    EXPECT_EQ(failures, 0);
    // The generators are only useful when a fair share of the texts match.
    EXPECT_GT(matches, static_cast<int>(texts.size() / 10));
}

TEST(CssPatternsDifferential, RandomCharacters) {
    TextGenerator generator(1);
    std::vector<std::string> texts;
    for (int i = 0; i < 15000; ++i) {
        texts.push_back(generator.characters(i % 4 == 0 ? 150 : 24));
    }
    expectAgreement(texts);
}

TEST(CssPatternsDifferential, RandomTokenSequences) {
    TextGenerator generator(2);
    std::vector<std::string> texts;
    for (int i = 0; i < 15000; ++i) {
        texts.push_back(generator.tokens(i % 4 == 0 ? 40 : 14));
    }
    expectAgreement(texts);
}

TEST(CssPatternsDifferential, MutatedColours) {
    TextGenerator generator(3);
    std::vector<std::string> texts;
    for (int i = 0; i < 15000; ++i) {
        std::string base = kSampleColours[generator.below(kSampleColours.size())];
        if (i % 3 == 0) {
            base += kSampleColours[generator.below(kSampleColours.size())];
        }
        texts.push_back(generator.mutation(base, 1 + static_cast<int>(generator.below(4))));
    }
    expectAgreement(texts);
}

// Colours placed so that they start, cross or end at the 64- and 128-byte chunk boundaries.
TEST(CssPatternsDifferential, ColoursAroundChunkBoundaries) {
    TextGenerator generator(4);
    std::vector<std::string> texts;
    for (int i = 0; i < 15000; ++i) {
        const std::size_t padding = 40 + generator.below(100);
        std::string colour = kSampleColours[generator.below(kSampleColours.size())];
        if (i % 2 == 0) {
            colour = generator.mutation(colour, 1);
        }
        texts.push_back(generator.filler(padding) + colour + generator.filler(generator.below(8)));
    }
    expectAgreement(texts);
}

}  // namespace
}  // namespace hueloupe::css
