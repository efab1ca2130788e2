#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TokenTestSupport.h"
#include "colour/ColorValue.h"
#include "format/ColorFormatter.h"
#include "format/Tokenizer.h"

namespace hueloupe::test {
namespace {

const ColorValue red{1, 0, 0, 1};

TEST(ColorFormatter, PlainFormatterRendersThroughTheTemplate) {
    ColorFormatter formatter;
    EXPECT_EQ(formatter.formatString(), "rgba({r}, {g}, {b}, {a})");
    EXPECT_EQ(formatter.previewFormatString(), "rgba({r}, {g}, {b}, {a})");
    EXPECT_FALSE(formatter.previewStringIsLabel());
    EXPECT_EQ(formatter.stringForColor(red), "#ff0000");
    EXPECT_EQ(formatter.previewStringForColor(red), "#ff0000");
    EXPECT_EQ(formatter.formatStringTokens(), tokenize(ColorFormatter::defaultTokenTemplate));
}

TEST(ColorFormatter, SettingOneStringLeavesTheOtherOnTheTemplate) {
    ColorFormatter formatter;
    formatter.setFormatString("rgb({r}, {g}, {b})");
    EXPECT_EQ(formatter.stringForColor(red), "rgb(255, 0, 0)");
    EXPECT_EQ(formatter.previewStringForColor(red), "#ff0000");

    ColorFormatter previewOnly;
    previewOnly.setPreviewFormatString("rgba({r}, {g}, {b}, {a})");
    EXPECT_EQ(previewOnly.previewStringForColor(red), "rgba(255, 0, 0, 1.0)");
    EXPECT_EQ(previewOnly.stringForColor(red), "#ff0000");
}

TEST(ColorFormatter, DesignatedConstructorUsesItsStrings) {
    ColorFormatter formatter("hsl({h}, {s}%, {l}%)", "#{rr}{gg}{bb}", true);
    EXPECT_EQ(formatter.stringForColor(red), "hsl(0, 100%, 50%)");
    EXPECT_EQ(formatter.previewStringForColor(red), "#ff0000");
    EXPECT_TRUE(formatter.previewStringIsLabel());

    formatter.setPreviewFormatString("rgba({r}, {g}, {b}, {a})");
    EXPECT_EQ(formatter.previewStringForColor(red), "rgba(255, 0, 0, 1.0)");
    EXPECT_EQ(formatter.stringForColor(red), "hsl(0, 100%, 50%)");
}

TEST(ColorFormatter, LabelPreviewRendersToItself) {
    const ColorFormatter formatter("{r.}", "NSColor (Swift)", true);
    EXPECT_EQ(formatter.previewStringForColor(red), "NSColor (Swift)");
    EXPECT_EQ(formatter.stringForColor(red), "1.0");
}

TEST(ColorFormatter, MalformedFormatRendersUnchanged) {
    ColorFormatter formatter;
    for (const std::string text : {"{q", "{r", "{}", "a}b", "{r.2x}"}) {
        SCOPED_TRACE(text);
        formatter.setFormatString(text);
        EXPECT_EQ(formatter.stringForColor(red), text);
    }
}

TEST(ColorFormatter, EmptyFormatStringRendersNothing) {
    const ColorFormatter formatter("", "", false);
    EXPECT_EQ(formatter.stringForColor(red), "");
    EXPECT_TRUE(formatter.formatStringTokens().empty());
}

// Counts tokenize calls and marks its lists, to show when and through whom lists are built.
class CountingFormatter : public ColorFormatter {
public:
    using ColorFormatter::ColorFormatter;
    TokenList tokenize(std::string_view formatString) const override {
        seen.emplace_back(formatString);
        TokenList tokens = ColorFormatter::tokenize(formatString);
        tokens.insert(tokens.begin(), lit("<"));
        return tokens;
    }
    mutable std::vector<std::string> seen;
};

TEST(ColorFormatterSubclass, DesignatedListsAreBuiltOnFirstUseByTheSubclass) {
    const CountingFormatter formatter("{r}", "{g}", false);
    EXPECT_TRUE(formatter.seen.empty());
    EXPECT_EQ(formatter.stringForColor(red), "<255");
    EXPECT_EQ(formatter.stringForColor(red), "<255");
    EXPECT_EQ(formatter.previewStringForColor(red), "<0");
    EXPECT_EQ(formatter.seen, (std::vector<std::string>{"{r}", "{g}"}));
}

TEST(ColorFormatterSubclass, TemplateGoesThroughTheSubclass) {
    const CountingFormatter formatter;
    EXPECT_EQ(formatter.previewStringForColor(red), "<#ff0000");
    EXPECT_EQ(formatter.seen, std::vector<std::string>{"#{rr}{gg}{bb}"});
}

TEST(ColorFormatterSubclass, SettersTokenizeEveryTimeEvenForTheSameText) {
    CountingFormatter formatter;
    formatter.setFormatString("{b}");
    formatter.setFormatString("{b}");
    formatter.setPreviewFormatString("{b}");
    EXPECT_EQ(formatter.seen.size(), 3u);
    EXPECT_EQ(formatter.stringForColor(red), "<0");
    EXPECT_EQ(formatter.seen.size(), 3u);
}

class BracketingFormatter : public ColorFormatter {
public:
    using ColorFormatter::ColorFormatter;
    std::string render(const TokenList& tokens, const ColorValue& color) const override {
        return "[" + ColorFormatter::render(tokens, color) + "]";
    }
};

TEST(ColorFormatterSubclass, RenderingGoesThroughTheSubclass) {
    const BracketingFormatter formatter("{r}", "{rx}", false);
    EXPECT_EQ(formatter.stringForColor(red), "[255]");
    EXPECT_EQ(formatter.previewStringForColor(red), "[f]");
}

}  // namespace
}  // namespace hueloupe::test
