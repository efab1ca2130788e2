// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ColorToken.h"
#include "ColorValue.h"

namespace hueloupe {

// Holds a format string and a preview format string with their token lists, and renders
// colours through them. tokenize and render are virtual so that a subclass may replace
// either; they read no instance state.
class ColorFormatter {
public:
    static constexpr std::string_view defaultTokenTemplate = "#{rr}{gg}{bb}";

    // Plain formatter: both strings read "rgba({r}, {g}, {b}, {a})", but until one is set
    // the formatter renders through defaultTokenTemplate.
    ColorFormatter();
    ColorFormatter(std::string formatString, std::string previewFormatString,
                   bool previewStringIsLabel);
    virtual ~ColorFormatter();

    ColorFormatter(const ColorFormatter&) = delete;
    ColorFormatter& operator=(const ColorFormatter&) = delete;

    const std::string& formatString() const { return formatString_; }
    void setFormatString(std::string text);
    const std::string& previewFormatString() const { return previewFormatString_; }
    void setPreviewFormatString(std::string text);
    bool previewStringIsLabel() const { return previewStringIsLabel_; }
    void setPreviewStringIsLabel(bool isLabel) { previewStringIsLabel_ = isLabel; }

    const TokenList& formatStringTokens() const;
    const TokenList& previewFormatStringTokens() const;

    std::string stringForColor(const ColorValue& color) const;
    std::string previewStringForColor(const ColorValue& color) const;

    virtual TokenList tokenize(std::string_view formatString) const;
    virtual std::string render(const TokenList& tokens, const ColorValue& color) const;

private:
    // A list is either computed, or due from its string (designated constructor: built on
    // first use so that a subclass's tokenize applies), or not computed (template).
    struct LazyTokens {
        std::optional<TokenList> tokens;
        bool fromString = false;
    };
    const TokenList& ensure(LazyTokens& lazy, const std::string& source) const;

    std::string formatString_;
    std::string previewFormatString_;
    bool previewStringIsLabel_ = false;
    mutable LazyTokens formatTokens_;
    mutable LazyTokens previewTokens_;
};

}  // namespace hueloupe
