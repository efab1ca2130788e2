#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "colour/NamedColors.h"

namespace hueloupe {
namespace {

std::optional<ColorValue> linearScan(std::string_view text) {
    for (const NamedColor& entry : kNamedColors) {
        if (entry.keyword == text) {
            return ColorValue{entry.red / 255.0, entry.green / 255.0, entry.blue / 255.0, 1.0};
        }
    }
    return std::nullopt;
}

TEST(NamedColorTable, HasDistinctLowerCaseKeywordsWithoutSixHexRun) {
    std::set<std::string_view> seen;
    for (const NamedColor& entry : kNamedColors) {
        SCOPED_TRACE(std::string(entry.keyword));
        EXPECT_TRUE(seen.insert(entry.keyword).second);
        int hexRun = 0;
        for (const char c : entry.keyword) {
            EXPECT_TRUE(c >= 'a' && c <= 'z');
            hexRun = ((c >= 'a' && c <= 'f') || (c >= '0' && c <= '9')) ? hexRun + 1 : 0;
            EXPECT_LT(hexRun, 6);
        }
    }
}

TEST(NamedColorTable, StartsWithBasicKeywordsThenAlphabetical) {
    const char* basic[] = {"black",  "silver", "gray",    "grey",  "white", "maroon",
                           "red",    "purple", "fuchsia", "green", "lime",  "olive",
                           "yellow", "navy",   "blue",    "teal",  "aqua",  "orange"};
    for (std::size_t i = 0; i < std::size(basic); ++i) {
        EXPECT_EQ(kNamedColors[i].keyword, basic[i]) << "entry " << i;
    }
    for (std::size_t i = std::size(basic) + 1; i < kNamedColors.size(); ++i) {
        EXPECT_LT(kNamedColors[i - 1].keyword, kNamedColors[i].keyword) << "entry " << i;
    }
    EXPECT_EQ(kNamedColors.back().keyword, "yellowgreen");
}

struct KeywordCase {
    const char* keyword;
    int red, green, blue;
};

TEST(NamedColorLookup, GivesStandardValues) {
    const KeywordCase cases[] = {
        {"gray", 128, 128, 128},
        {"grey", 128, 128, 128},
        {"darkgray", 169, 169, 169},
        {"darkgrey", 169, 169, 169},
        {"silver", 192, 192, 192},
        {"orange", 255, 165, 0},
        {"coral", 255, 127, 80},
        {"tomato", 255, 99, 71},
        {"aqua", 0, 255, 255},
        {"fuchsia", 255, 0, 255},
        {"green", 0, 128, 0},
        {"maroon", 128, 0, 0},
        {"lightgoldenrodyellow", 250, 250, 210},
        {"rebeccapurple", -1, 0, 0},
        {"cyan", -1, 0, 0},
        {"magenta", -1, 0, 0},
        {"mediumspringgreen", 0, 250, 154},
        {"yellowgreen", 154, 205, 50},
        {"black", 0, 0, 0},
        {"white", 255, 255, 255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keyword);
        const auto color = namedColor(c.keyword);
        if (c.red < 0) {
            EXPECT_FALSE(color.has_value());
            continue;
        }
        ASSERT_TRUE(color.has_value());
        EXPECT_EQ(*color, (ColorValue{c.red / 255.0, c.green / 255.0, c.blue / 255.0, 1.0}));
    }
}

TEST(NamedColorLookup, AgreesWithScanInTableOrder) {
    std::vector<std::string> texts = {"",          "re",        "red ", " red",
                                      "dark gray", "darkgray1", "Red",  "lightgoldenrodyellowx"};
    for (const NamedColor& entry : kNamedColors) {
        std::string keyword(entry.keyword);
        texts.push_back(keyword);
        texts.push_back(keyword.substr(1));
        texts.push_back(keyword.substr(0, keyword.size() - 1));
        texts.push_back(keyword + "s");
        keyword.back() = static_cast<char>(keyword.back() ^ 1);
        texts.push_back(keyword);
    }
    texts.push_back(std::string("tan\0", 4));
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(namedColor(text), linearScan(text));
    }
    for (const NamedColor& entry : kNamedColors) {
        EXPECT_TRUE(namedColor(entry.keyword).has_value()) << entry.keyword;
    }
}

}  // namespace
}  // namespace hueloupe
