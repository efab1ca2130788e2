// SPDX-License-Identifier: MIT
#include "Tokenizer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "CharClasses.h"
#include "GraphemeReader.h"

namespace hueloupe {

namespace {

constexpr std::int64_t kDefaultDecimals = 4;

struct Letter {
    char letter;  // lower case; the upper-case letter selects the same entry
    ColorComponent component;
    ColorOutputStyle style;
    std::int64_t precision;
};

constexpr std::array<Letter, 7> kLetters{{
    {'r', ColorComponent::red, ColorOutputStyle::integer, 0},
    {'g', ColorComponent::green, ColorOutputStyle::integer, 0},
    {'b', ColorComponent::blue, ColorOutputStyle::integer, 0},
    {'h', ColorComponent::hue, ColorOutputStyle::integer, 0},
    {'s', ColorComponent::saturation, ColorOutputStyle::percent, 0},
    {'l', ColorComponent::lightness, ColorOutputStyle::percent, 0},
    {'a', ColorComponent::alpha, ColorOutputStyle::decimal, 2},
}};

const Letter* findLetter(int ch) {
    const int lower = ch | 0x20;  // 'R' to 'r': no other character becomes a letter of the table
    const auto* entry = std::ranges::find(kLetters, lower, &Letter::letter);
    return entry == kLetters.end() ? nullptr : entry;
}

// Reads a reference after its "{": a letter, then optionally the letter again, "x", "%", or
// "." with digits, then "}". A complete one becomes a token; an abandoned one stays as
// literal text, "{" and the character that ended it included.
void readReference(GraphemeReader& reader, std::string& text, TokenList& tokens) {
    const std::size_t brace = reader.clusterBegin();
    const int letter = reader.next();
    int ch = letter;
    if (const Letter* entry = findLetter(letter)) {
        ColorOutputStyle style = entry->style;
        std::int64_t precision = entry->precision;
        ch = reader.next();
        // r, g and b, in either case, take the hexadecimal styles.
        if ((ch == letter || ch == 'x') && entry->component <= ColorComponent::blue) {
            style = ch == 'x' ? ColorOutputStyle::oneDigitHex : ColorOutputStyle::twoDigitHex;
            ch = reader.next();
        } else if (ch == '%') {
            style = ColorOutputStyle::percent;
            ch = reader.next();
        } else if (ch == '.') {
            style = ColorOutputStyle::decimal;
            std::optional<std::int64_t> digits;  // leading zeros are free; too large saturates
            for (ch = reader.next(); chars::isDigit(ch); ch = reader.next()) {
                constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
                const std::int64_t digit = ch - '0';
                const std::int64_t value = digits.value_or(0);
                digits = value > (limit - digit) / 10 ? limit : value * 10 + digit;
            }
            precision = digits.value_or(kDefaultDecimals);
        }
        if (ch == '}') {
            // Written field by field where it stays: a token built elsewhere and copied whole
            // is read back right after its bytes were stored, which stalls store forwarding.
            auto& token =
                std::get<ComponentToken>(tokens.emplace_back(std::in_place_type<ComponentToken>));
            token.component = entry->component;
            token.style = style;
            token.precision = precision;
            token.uppercase = chars::isUpper(letter);
            return;
        }
    }
    // Abandoned: every character before the last is a single ASCII byte, as read.
    text.append(reader.text().substr(brace, reader.clusterBegin() - brace));
    reader.appendCluster(text);
}

}  // namespace

TokenList tokenize(std::string_view formatString) {
    GraphemeReader reader(formatString);
    TokenList tokens;
    // Room for the usual number of tokens; a reference takes at least three bytes.
    tokens.reserve(std::min<std::size_t>(formatString.size() / 2 + 1, 16));
    std::string text;  // literal text not yet emitted
    const auto emitText = [&tokens, &text] {
        if (!text.empty()) {
            std::get<LiteralToken>(tokens.emplace_back(std::in_place_type<LiteralToken>)).text =
                std::move(text);
            text.clear();
        }
    };
    for (int ch = reader.next(); ch != GraphemeReader::endOfText; ch = reader.next()) {
        if (ch == '{') {
            emitText();
            readReference(reader, text, tokens);
        } else if (ch == '\\') {
            // A backslash escapes "{" and itself; before anything else it stays.
            reader.appendCluster(text);
            ch = reader.next();
            if (ch == '{' || ch == '\\') {
                text.pop_back();
            }
            reader.appendCluster(text);
        } else {
            reader.appendCluster(text);
            reader.appendPlainAscii(text);
        }
    }
    emitText();
    return tokens;
}

}  // namespace hueloupe
