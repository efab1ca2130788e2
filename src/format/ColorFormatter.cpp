// SPDX-License-Identifier: MIT
#include "ColorFormatter.h"

#include <utility>

#include "Renderer.h"
#include "Tokenizer.h"

namespace hueloupe {

namespace {

constexpr std::string_view plainFormatString = "rgba({r}, {g}, {b}, {a})";

}  // namespace

ColorFormatter::ColorFormatter()
    : formatString_(plainFormatString), previewFormatString_(plainFormatString) {}

// Both lists come from the given strings. They are built on first use rather than here,
// because a virtual call made from a constructor would not reach a subclass's tokenize.
ColorFormatter::ColorFormatter(std::string formatString, std::string previewFormatString,
                               bool previewStringIsLabel)
    : formatString_(std::move(formatString)),
      previewFormatString_(std::move(previewFormatString)),
      previewStringIsLabel_(previewStringIsLabel),
      formatTokens_{std::nullopt, true},
      previewTokens_{std::nullopt, true} {}

ColorFormatter::~ColorFormatter() = default;

void ColorFormatter::setFormatString(std::string text) {
    formatString_ = std::move(text);
    formatTokens_ = LazyTokens{tokenize(formatString_), true};
}

void ColorFormatter::setPreviewFormatString(std::string text) {
    previewFormatString_ = std::move(text);
    previewTokens_ = LazyTokens{tokenize(previewFormatString_), true};
}

const TokenList& ColorFormatter::formatStringTokens() const {
    return ensure(formatTokens_, formatString_);
}

const TokenList& ColorFormatter::previewFormatStringTokens() const {
    return ensure(previewTokens_, previewFormatString_);
}

std::string ColorFormatter::stringForColor(const ColorValue& color) const {
    return render(formatStringTokens(), color);
}

std::string ColorFormatter::previewStringForColor(const ColorValue& color) const {
    return render(previewFormatStringTokens(), color);
}

TokenList ColorFormatter::tokenize(std::string_view formatString) const {
    return hueloupe::tokenize(formatString);
}

std::string ColorFormatter::render(const TokenList& tokens, const ColorValue& color) const {
    return hueloupe::render(tokens, color);
}

// A list that was never computed comes from the template, unless the designated
// constructor left it due from its string.
const TokenList& ColorFormatter::ensure(LazyTokens& lazy, const std::string& source) const {
    if (!lazy.tokens) {
        lazy.tokens = tokenize(lazy.fromString ? std::string_view(source) : defaultTokenTemplate);
    }
    return *lazy.tokens;
}

}  // namespace hueloupe
