#include "colour/CssPatterns.h"

#include <array>
#include <cstddef>

// A hand-written matcher for the four fixed colour patterns. It finds what a backtracking
// ECMAScript search finds (same leftmost match, groups and participation), in linear time
// and without recursion:
//   - hex6: the match is the first window of six hex digits, widened by one to the left
//     when a '#' stands there.
//   - hex3: the first '#' followed by three hex digits.
//   - rgb/hsl: every quantifier is followed by a character outside its class, so no
//     backtracking into it can help; the only choice is the optional alpha group, which is
//     decided by the character after the third number (')' without it, ',' with it).
//     A failed attempt from one start only consumes characters from [0-9.,%)(a] and white
//     space, never the letter a new start begins with, so the search resumes where the
//     attempt stopped and the whole search stays linear.

namespace hueloupe::css {

namespace {

enum CharClass : unsigned char { kHex = 1, kNumber = 2, kSpace = 4 };

constexpr std::array<unsigned char, 256> makeClasses() {
    std::array<unsigned char, 256> classes{};
    for (char c = '0'; c <= '9'; ++c) {
        classes[static_cast<unsigned char>(c)] = kHex | kNumber;
    }
    for (char c = 'a'; c <= 'f'; ++c) {
        classes[static_cast<unsigned char>(c)] = kHex;
    }
    classes[static_cast<unsigned char>('.')] = kNumber;
    for (char c : {' ', '\t', '\n', '\v', '\f', '\r'}) {
        classes[static_cast<unsigned char>(c)] = kSpace;
    }
    return classes;
}

constexpr std::array<unsigned char, 256> kClasses = makeClasses();

bool has(std::string_view text, std::size_t pos, unsigned char charClass) {
    return pos < text.size() && (kClasses[static_cast<unsigned char>(text[pos])] & charClass) != 0;
}

bool isChar(std::string_view text, std::size_t pos, char c) {
    return pos < text.size() && text[pos] == c;
}

std::optional<Match> searchHex6(std::string_view text) {
    std::size_t run = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        run = has(text, pos, kHex) ? run + 1 : 0;
        if (run == 6) {
            const std::size_t first = pos - 5;
            const std::size_t start = (first > 0 && text[first - 1] == '#') ? first - 1 : first;
            Match match;
            match.whole = text.substr(start, pos + 1 - start);
            for (std::size_t g = 0; g < 3; ++g) {
                match.groups[g] = text.substr(first + 2 * g, 2);
            }
            return match;
        }
    }
    return std::nullopt;
}

std::optional<Match> searchHex3(std::string_view text) {
    for (std::size_t pos = text.find('#'); pos != std::string_view::npos;
         pos = text.find('#', pos + 1)) {
        if (has(text, pos + 1, kHex) && has(text, pos + 2, kHex) && has(text, pos + 3, kHex)) {
            Match match;
            match.whole = text.substr(pos, 4);
            for (std::size_t g = 0; g < 3; ++g) {
                match.groups[g] = text.substr(pos + 1 + g, 1);
            }
            return match;
        }
    }
    return std::nullopt;
}

// Reads [0-9.]+ (then '%' when allowed) at pos. On success sets group and moves pos past it.
bool readNumber(std::string_view text, std::size_t& pos, bool allowPercent,
                std::string_view& group) {
    const std::size_t start = pos;
    while (has(text, pos, kNumber)) {
        ++pos;
    }
    if (pos == start) {
        return false;
    }
    if (allowPercent && isChar(text, pos, '%')) {
        ++pos;
    }
    group = text.substr(start, pos - start);
    return true;
}

void skipSpace(std::string_view text, std::size_t& pos) {
    while (has(text, pos, kSpace)) {
        ++pos;
    }
}

// Matches the functional form from the "(" at pos onwards. On failure pos is left at the
// first character that did not fit.
bool matchArguments(std::string_view text, std::size_t& pos, bool percentAllowed, Match& match) {
    if (!isChar(text, pos, '(')) {
        return false;
    }
    ++pos;
    for (std::size_t g = 0; g < 3; ++g) {
        if (g > 0) {
            if (!isChar(text, pos, ',')) {
                return false;
            }
            ++pos;
            skipSpace(text, pos);
        }
        if (!readNumber(text, pos, percentAllowed && g > 0, match.groups[g])) {
            return false;
        }
    }
    if (isChar(text, pos, ',')) {
        ++pos;
        skipSpace(text, pos);
        if (!readNumber(text, pos, false, match.groups[3])) {
            return false;
        }
        match.fourthGroupMatched = true;
    }
    if (!isChar(text, pos, ')')) {
        return false;
    }
    ++pos;
    return true;
}

std::optional<Match> searchFunctional(std::string_view text, std::string_view name,
                                      bool percentAllowed) {
    std::size_t from = 0;
    while (true) {
        const std::size_t start = text.find(name, from);
        if (start == std::string_view::npos) {
            return std::nullopt;
        }
        std::size_t pos = start + name.size();
        if (isChar(text, pos, 'a')) {
            ++pos;
        }
        Match match;
        if (matchArguments(text, pos, percentAllowed, match)) {
            match.whole = text.substr(start, pos - start);
            return match;
        }
        // Nothing consumed since start can begin another match (see the note at the top).
        from = pos > start + 1 ? pos : start + 1;
    }
}

}  // namespace

std::optional<Match> search(Pattern pattern, std::string_view text) {
    switch (pattern) {
        case Pattern::hex6:
            return searchHex6(text);
        case Pattern::hex3:
            return searchHex3(text);
        case Pattern::rgb:
            return searchFunctional(text, "rgb", false);
        case Pattern::hsl:
            return searchFunctional(text, "hsl", true);
    }
    return std::nullopt;
}

}  // namespace hueloupe::css
