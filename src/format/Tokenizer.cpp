// SPDX-License-Identifier: MIT
#include "Tokenizer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "GraphemeReader.h"

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

// For each ASCII character, its row of letterTable plus one, or 0 when it is no letter.
constexpr std::array<std::uint8_t, 128> letterRows = [] {
    std::array<std::uint8_t, 128> rows{};
    for (std::size_t row = 0; row < letterTable.size(); ++row) {
        const char letter = letterTable[row].letter;
        rows[static_cast<std::size_t>(letter)] = static_cast<std::uint8_t>(row + 1);
        rows[static_cast<std::size_t>(letter - 'a' + 'A')] = static_cast<std::uint8_t>(row + 1);
    }
    return rows;
}();

const LetterEntry* findLetter(int character) {
    if (character < 0) {
        return nullptr;
    }
    const std::uint8_t row = letterRows[static_cast<std::size_t>(character)];
    return row == 0 ? nullptr : &letterTable[row - 1u];
}

// The letters that take the hexadecimal styles: r, g and b in either case.
constexpr bool isHexLetter(int character) {
    const int lower = character | 0x20;  // maps only 'R', 'G', 'B' onto 'r', 'g', 'b'
    return character >= 0 && (lower == 'r' || lower == 'g' || lower == 'b');
}

constexpr bool isDecimalDigit(int character) {
    return character >= '0' && character <= '9';
}

// pendingText, kept as a slice of the input wherever it equals one: the text is owned_
// followed by input[begin_, end_). Text is copied out only where it departs from the input
// (a backslash dropped by an escape, invalid bytes written as U+FFFD).
class PendingText {
public:
    explicit PendingText(const GraphemeReader& reader) : reader_(reader) {}

    bool empty() const { return owned_.empty() && begin_ == end_; }

    // Appends the character ch last read, which always starts where the text ends.
    void appendCurrent(int ch) {
        if (ch == GraphemeReader::invalidCharacter) {
            keepUpTo(end_);
            reader_.appendCluster(owned_);
            begin_ = reader_.clusterEnd();
        }
        end_ = reader_.clusterEnd();
    }

    // Appends the input up to position, all of it plain characters.
    void extendTo(std::size_t position) { end_ = position; }

    // Removes the last character, a one-byte character appended from the input.
    void dropLastByte() {
        keepUpTo(end_ - 1);
        begin_ = end_;
    }

    // Moves the text into out (empty) and empties it.
    void moveInto(std::string& out) {
        const std::string_view slice = reader_.text().substr(begin_, end_ - begin_);
        begin_ = end_;
        if (!owned_.empty()) {
            out = std::move(owned_);
            owned_.clear();
        }
        out.append(slice);
    }

    // Empties the text; it goes on after the character last read, which is dropped.
    void clearThroughCurrent() {
        owned_.clear();
        begin_ = end_ = reader_.clusterEnd();
    }

private:
    void keepUpTo(std::size_t position) {
        owned_.append(reader_.text().substr(begin_, position - begin_));
    }

    const GraphemeReader& reader_;
    std::string owned_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

// The working data of one run: the output, the text not yet emitted and the reference
// being read. Each handler consumes one character in one state and returns the next state.
class TokenizerRun {
public:
    TokenizerRun(GraphemeReader& reader, TokenList& tokens)
        : reader_(reader), tokens_(tokens), pendingText_(reader) {
        // Room for the usual number of tokens; a reference takes at least three bytes.
        constexpr std::size_t maxReserved = 16;
        tokens_.reserve(std::min(reader.text().size() / 2 + 1, maxReserved));
    }

    TokenizerState inText(int ch);
    TokenizerState escape(int ch);
    TokenizerState openBrace(int ch);
    TokenizerState afterLetter(int ch);
    TokenizerState precisionDigits(int ch);
    TokenizerState expectClose(int ch);
    void finish();

private:
    TokenizerState append(int ch, TokenizerState next) {
        pendingText_.appendCurrent(ch);
        return next;
    }
    // Emits the pending text as a literal, if there is any.
    void flushLiteral() {
        if (!pendingText_.empty()) {
            emitLiteral();
        }
    }
    void emitLiteral();
    void resetReference();
    TokenizerState emit();
    TokenizerState abandon(int ch);

    GraphemeReader& reader_;
    TokenList& tokens_;
    PendingText pendingText_;
    // The reference being read. Its fields are kept apart and the token is built only when
    // it is emitted: stored bytewise and read back as a whole, a token would stall the
    // processor's store forwarding.
    const LetterEntry* entry_ = nullptr;
    ColorOutputStyle style_ = ColorOutputStyle::integer;
    std::int64_t precision_ = 0;
    int letter_ = -1;  // the component letter as written; -1 while none was read
    std::optional<std::int64_t> digits_;
};

TokenizerState TokenizerRun::inText(int ch) {
    if (ch == '{') {
        flushLiteral();
        return append(ch, TokenizerState::openBrace);
    }
    if (ch == '\\') {
        return append(ch, TokenizerState::escape);
    }
    // Any other character stays in this state, and so do the plain ones after it.
    pendingText_.appendCurrent(ch);
    pendingText_.extendTo(reader_.skipPlainAscii());
    return TokenizerState::inText;
}

TokenizerState TokenizerRun::escape(int ch) {
    if (ch == '{' || ch == '\\') {
        pendingText_.dropLastByte();  // the backslash
    }
    return append(ch, TokenizerState::inText);
}

TokenizerState TokenizerRun::openBrace(int ch) {
    const LetterEntry* entry = findLetter(ch);
    if (!entry) {
        return abandon(ch);
    }
    entry_ = entry;
    style_ = entry->style;
    precision_ = entry->precision;
    letter_ = ch;
    return append(ch, TokenizerState::afterLetter);
}

TokenizerState TokenizerRun::afterLetter(int ch) {
    if (ch == '}') {
        return emit();
    }
    if (ch == letter_ && isHexLetter(ch)) {
        style_ = ColorOutputStyle::twoDigitHex;
        return append(ch, TokenizerState::expectClose);
    }
    if (ch == 'x' && isHexLetter(letter_)) {
        style_ = ColorOutputStyle::oneDigitHex;
        return append(ch, TokenizerState::expectClose);
    }
    if (ch == '.') {
        style_ = ColorOutputStyle::decimal;
        precision_ = defaultDecimalPrecision;
        return append(ch, TokenizerState::precisionDigits);
    }
    if (ch == '%') {
        style_ = ColorOutputStyle::percent;
        return append(ch, TokenizerState::expectClose);
    }
    return abandon(ch);
}

TokenizerState TokenizerRun::precisionDigits(int ch) {
    if (ch == '}') {
        if (digits_) {
            precision_ = *digits_;
        }
        return emit();
    }
    if (!isDecimalDigit(ch)) {
        return abandon(ch);
    }
    // A value too large for an int64 saturates at its largest value.
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    const std::int64_t digit = ch - '0';
    const std::int64_t value = digits_.value_or(0);
    digits_ = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    return append(ch, TokenizerState::precisionDigits);
}

TokenizerState TokenizerRun::expectClose(int ch) {
    return ch == '}' ? emit() : abandon(ch);
}

void TokenizerRun::finish() {
    flushLiteral();
}

void TokenizerRun::emitLiteral() {
    // Built in place: the token list is the text's only copy.
    auto& literal = std::get<LiteralToken>(tokens_.emplace_back(std::in_place_type<LiteralToken>));
    pendingText_.moveInto(literal.text);
}

void TokenizerRun::resetReference() {
    letter_ = -1;
    digits_.reset();
}

// The reference's raw text is dropped, and so is the closing brace.
TokenizerState TokenizerRun::emit() {
    tokens_.emplace_back(
        ComponentToken{entry_->component, style_, precision_, isUpperCase(letter_)});
    resetReference();
    pendingText_.clearThroughCurrent();
    return TokenizerState::inText;
}

// The reference's raw text, with the character that ended it, stays as literal text;
// that character starts nothing.
TokenizerState TokenizerRun::abandon(int ch) {
    resetReference();
    return append(ch, TokenizerState::inText);
}

}  // namespace

TokenList tokenize(std::string_view formatString) {
    GraphemeReader reader(formatString);
    TokenList tokens;  // returned without a move
    TokenizerRun run(reader, tokens);
    TokenizerState state = TokenizerState::inText;
    for (int ch = reader.next(); ch != GraphemeReader::endOfText; ch = reader.next()) {
        switch (state) {
            case TokenizerState::inText:
                state = run.inText(ch);
                break;
            case TokenizerState::escape:
                state = run.escape(ch);
                break;
            case TokenizerState::openBrace:
                state = run.openBrace(ch);
                break;
            case TokenizerState::afterLetter:
                state = run.afterLetter(ch);
                break;
            case TokenizerState::precisionDigits:
                state = run.precisionDigits(ch);
                break;
            case TokenizerState::expectClose:
                state = run.expectClose(ch);
                break;
        }
    }
    run.finish();
    return tokens;
}

}  // namespace hueloupe
