// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ColorFormatter.h"
#include "ColorValue.h"
#include "Tokenizer.h"

namespace hueloupe {
namespace {

const ColorValue red{1, 0, 0, 1};

// The string, then the preview string.
std::string bothStrings(const ColorFormatter& formatter) {
    const std::string text = formatter.stringForColor(red);
    return text + " | " + formatter.previewStringForColor(red);
}

// A plain formatter's strings read the rgba() format, but it renders through the template
// until a string is set; setting one string leaves the other on the template.
TEST(ColorFormatter, RendersThroughItsStringsOrTheTemplate) {
    ColorFormatter plain;
    EXPECT_EQ(plain.formatString() + plain.previewFormatString(),
              "rgba({r}, {g}, {b}, {a})rgba({r}, {g}, {b}, {a})");
    EXPECT_EQ(bothStrings(plain), "#ff0000 | #ff0000");
    plain.setFormatString("{q");
    EXPECT_EQ(bothStrings(plain), "{q | #ff0000");  // malformed text renders unchanged

    ColorFormatter designated("hsl({h}, {s}%, {l}%)", "#{rr}{gg}{bb}", true);
    EXPECT_TRUE(designated.previewStringIsLabel());
    EXPECT_EQ(bothStrings(designated), "hsl(0, 100%, 50%) | #ff0000");
    designated.setPreviewFormatString("rgba({r}, {g}, {b}, {a})");
    EXPECT_EQ(bothStrings(designated), "hsl(0, 100%, 50%) | rgba(255, 0, 0, 1.0)");
    EXPECT_EQ(bothStrings(ColorFormatter("", "NSColor (Swift)", true)), " | NSColor (Swift)");
}

// Records the texts it tokenizes and marks its lists; brackets what it renders.
class RecordingFormatter : public ColorFormatter {
public:
    using ColorFormatter::ColorFormatter;
    TokenList tokenize(std::string_view formatString) const override {
        seen.emplace_back(formatString);
        TokenList tokens = ColorFormatter::tokenize(formatString);
        tokens.insert(tokens.begin(), LiteralToken{"<"});
        return tokens;
    }
    std::string render(const TokenList& tokens, const ColorValue& color) const override {
        return "[" + ColorFormatter::render(tokens, color) + "]";
    }
    mutable std::vector<std::string> seen;
};

// Every list goes through the subclass: those of the designated initialiser are built on first
// use (not in the base constructor, where the subclass's tokenize is not yet there), once.
TEST(ColorFormatterSubclass, TokenizesAndRendersThroughTheSubclass) {
    const RecordingFormatter designated("{r}", "{gx}", false);
    EXPECT_TRUE(designated.seen.empty());
    EXPECT_EQ(bothStrings(designated) + bothStrings(designated), "[<255] | [<0][<255] | [<0]");
    EXPECT_EQ(designated.seen, (std::vector<std::string>{"{r}", "{gx}"}));

    RecordingFormatter plain;
    EXPECT_EQ(plain.previewStringForColor(red), "[<#ff0000]");
    plain.setFormatString("{b}");
    EXPECT_EQ(bothStrings(plain), "[<0] | [<#ff0000]");
}

}  // namespace
}  // namespace hueloupe
