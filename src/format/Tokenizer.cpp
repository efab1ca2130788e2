#include "format/Tokenizer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "format/GraphemeReader.h"

namespace hueloupe {

namespace {

constexpr std::int64_t defaultDecimalPrecision = 4;
constexpr std::int64_t alphaPrecision = 2;

struct LetterEntry {
    char letter;  // lower case; the upper-case letter selects the same entry
    ColorComponent component;
    ColorOutputStyle style;
    std::int64_t precision;
};

constexpr std::array<LetterEntry, 7> letterTable{{
    {'r', ColorComponent::red, ColorOutputStyle::integer, 0},
    {'g', ColorComponent::green, ColorOutputStyle::integer, 0},
    {'b', ColorComponent::blue, ColorOutputStyle::integer, 0},
    {'h', ColorComponent::hue, ColorOutputStyle::integer, 0},
    {'s', ColorComponent::saturation, ColorOutputStyle::percent, 0},
    {'l', ColorComponent::lightness, ColorOutputStyle::percent, 0},
    {'a', ColorComponent::alpha, ColorOutputStyle::decimal, alphaPrecision},
}};

constexpr bool isUpperCase(int character) {
    return character >= 'A' && character <= 'Z';
}

const LetterEntry* findLetter(int character) {
    const int lower = isUpperCase(character) ? character - 'A' + 'a' : character;
    for (const LetterEntry& entry : letterTable) {
        if (entry.letter == lower) {
            return &entry;
        }
    }
    return nullptr;
}

// The letters that take the hexadecimal styles.
constexpr bool isHexLetter(int character) {
    constexpr std::string_view letters = "rRgGbB";
    return character >= 0 && letters.find(static_cast<char>(character)) != std::string_view::npos;
}

constexpr bool isDecimalDigit(int character) {
    return character >= '0' && character <= '9';
}

// The working data of one run: the output, the text not yet emitted and the reference
// being read. Each handler consumes one character in one state and returns the next state.
class TokenizerRun {
public:
    explicit TokenizerRun(std::string_view text) {
        // Usually a literal before each brace, a reference, and a trailing literal; the
        // guess is capped so that a text full of braces does not reserve a large block.
        constexpr std::size_t maxReserved = 64;
        const auto braces = static_cast<std::size_t>(std::count(text.begin(), text.end(), '{'));
        tokens_.reserve(std::min(braces * 2 + 1, maxReserved));
    }

    TokenizerState inText(const Grapheme& c, int ch);
    TokenizerState escape(const Grapheme& c, int ch);
    TokenizerState openBrace(const Grapheme& c, int ch);
    TokenizerState afterLetter(const Grapheme& c, int ch);
    TokenizerState precisionDigits(const Grapheme& c, int ch);
    TokenizerState expectClose(const Grapheme& c, int ch);
    TokenList finish();

private:
    TokenizerState append(const Grapheme& c, TokenizerState next) {
        c.appendTo(pendingText_);
        return next;
    }
    void flushLiteral();
    void resetReference();
    TokenizerState emit();
    TokenizerState abandon(const Grapheme& c);

    TokenList tokens_;
    std::string pendingText_;
    ComponentToken reference_;
    int letter_ = -1;  // the component letter as written; -1 while none was read
    std::optional<std::int64_t> digits_;
};

TokenizerState TokenizerRun::inText(const Grapheme& c, int ch) {
    if (ch == '{') {
        flushLiteral();
        return append(c, TokenizerState::openBrace);
    }
    return append(c, ch == '\\' ? TokenizerState::escape : TokenizerState::inText);
}

TokenizerState TokenizerRun::escape(const Grapheme& c, int ch) {
    if (ch == '{' || ch == '\\') {
        pendingText_.pop_back();  // the backslash, a one-byte character
    }
    return append(c, TokenizerState::inText);
}

TokenizerState TokenizerRun::openBrace(const Grapheme& c, int ch) {
    const LetterEntry* entry = findLetter(ch);
    if (!entry) {
        return abandon(c);
    }
    reference_ = ComponentToken{entry->component, entry->style, entry->precision, isUpperCase(ch)};
    letter_ = ch;
    return append(c, TokenizerState::afterLetter);
}

TokenizerState TokenizerRun::afterLetter(const Grapheme& c, int ch) {
    if (ch == '}') {
        return emit();
    }
    if (ch == letter_ && isHexLetter(ch)) {
        reference_.style = ColorOutputStyle::twoDigitHex;
        return append(c, TokenizerState::expectClose);
    }
    if (ch == 'x' && isHexLetter(letter_)) {
        reference_.style = ColorOutputStyle::oneDigitHex;
        return append(c, TokenizerState::expectClose);
    }
    if (ch == '.') {
        reference_.style = ColorOutputStyle::decimal;
        reference_.precision = defaultDecimalPrecision;
        return append(c, TokenizerState::precisionDigits);
    }
    if (ch == '%') {
        reference_.style = ColorOutputStyle::percent;
        return append(c, TokenizerState::expectClose);
    }
    return abandon(c);
}

TokenizerState TokenizerRun::precisionDigits(const Grapheme& c, int ch) {
    if (ch == '}') {
        if (digits_) {
            reference_.precision = *digits_;
        }
        return emit();
    }
    if (!isDecimalDigit(ch)) {
        return abandon(c);
    }
    // More digits than an int64 holds saturate at its largest value.
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    const std::int64_t digit = ch - '0';
    const std::int64_t value = digits_.value_or(0);
    digits_ = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    return append(c, TokenizerState::precisionDigits);
}

TokenizerState TokenizerRun::expectClose(const Grapheme& c, int ch) {
    return ch == '}' ? emit() : abandon(c);
}

TokenList TokenizerRun::finish() {
    flushLiteral();
    return std::move(tokens_);
}

void TokenizerRun::flushLiteral() {
    if (!pendingText_.empty()) {
        tokens_.emplace_back(LiteralToken{pendingText_});
        pendingText_.clear();
    }
}

void TokenizerRun::resetReference() {
    reference_ = ComponentToken{};
    letter_ = -1;
    digits_.reset();
}

TokenizerState TokenizerRun::emit() {
    tokens_.emplace_back(reference_);
    resetReference();
    pendingText_.clear();
    return TokenizerState::inText;
}

// The reference's raw text, with the character that ended it, stays as literal text;
// that character starts nothing.
TokenizerState TokenizerRun::abandon(const Grapheme& c) {
    resetReference();
    return append(c, TokenizerState::inText);
}

}  // namespace

TokenList tokenize(std::string_view formatString) {
    TokenizerRun run(formatString);
    GraphemeReader reader(formatString);
    TokenizerState state = TokenizerState::inText;
    Grapheme c;
    while (reader.next(c)) {
        const int ch = c.ascii();
        switch (state) {
            case TokenizerState::inText:
                state = run.inText(c, ch);
                break;
            case TokenizerState::escape:
                state = run.escape(c, ch);
                break;
            case TokenizerState::openBrace:
                state = run.openBrace(c, ch);
                break;
            case TokenizerState::afterLetter:
                state = run.afterLetter(c, ch);
                break;
            case TokenizerState::precisionDigits:
                state = run.precisionDigits(c, ch);
                break;
            case TokenizerState::expectClose:
                state = run.expectClose(c, ch);
                break;
        }
    }
    return run.finish();
}

}  // namespace hueloupe
