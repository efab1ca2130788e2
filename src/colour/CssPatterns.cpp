// SPDX-License-Identifier: MIT
#include "CssPatterns.h"

#include <bit>
#include <cstddef>
#include <cstdint>

// A hand-written matcher for the four fixed colour patterns. It finds what a backtracking
// ECMAScript search finds (same leftmost match, groups and participation), in linear time
// and without recursion. The text is read in chunks of 64 bytes, each classified into bit
// masks (hex digits, '#', where "rgb" and "hsl" start):
//   - hex6: the match is the first window of six hex digits, widened by one to the left
//     when a '#' stands there.
//   - hex3: the first '#' followed by three hex digits.
//   - rgb/hsl: every quantifier is followed by a character outside its class, so no
//     backtracking into it can help; the only choice is the optional alpha group, which is
//     decided by the character after the third number (')' without it, ',' with it).
//     A failed attempt from one start only consumes the rest of the name ("gb" or "sl"),
//     'a', '(', characters from [0-9.,%] and white space, never the letter a new start
//     begins with, so candidates before the point where an attempt stopped are skipped and
//     the whole search stays linear.

namespace hueloupe::css {

namespace {

constexpr std::size_t kChunk = 64;

// Bit k set: six hex digits in a row start at bit k.
std::uint64_t hex6Starts(std::uint64_t hex) {
    return hex & (hex >> 1) & (hex >> 2) & (hex >> 3) & (hex >> 4) & (hex >> 5);
}

// Bit k set: a '#' and three hex digits start at bit k.
std::uint64_t hex3Starts(std::uint64_t hex, std::uint64_t hash) {
    return hash & (hex >> 1) & (hex >> 2) & (hex >> 3);
}

// The masks of the last `bits` positions before a chunk, followed by the chunk's own, so that
// windows which begin in the previous chunk and end in this one can be found.
std::uint64_t joined(std::uint64_t previous, std::uint64_t current, unsigned bits) {
    return (current << bits) | (previous >> (64 - bits));
}

std::size_t lowestBit(std::uint64_t mask) {
    return static_cast<std::size_t>(std::countr_zero(mask));
}

Match hex6At(std::string_view text, std::size_t first) {
    const std::size_t start = (first > 0 && text[first - 1] == '#') ? first - 1 : first;
    Match match;
    match.whole = text.substr(start, first + 6 - start);
    for (std::size_t g = 0; g < 3; ++g) {
        match.groups[g] = text.substr(first + 2 * g, 2);
    }
    return match;
}

Match hex3At(std::string_view text, std::size_t start) {
    Match match;
    match.whole = text.substr(start, 4);
    for (std::size_t g = 0; g < 3; ++g) {
        match.groups[g] = text.substr(start + 1 + g, 1);
    }
    return match;
}

bool isNumberChar(char c) {
    return static_cast<unsigned char>(c - '0') < 10 || c == '.';
}

bool isSpace(char c) {
    return c == ' ' || static_cast<unsigned char>(c - '\t') < 5;  // \t \n \v \f \r
}

// Reads [0-9.]+ (and a '%' after it when allowed) at p into group.
bool readNumber(const char*& p, const char* end, bool allowPercent, std::string_view& group) {
    const char* q = p;
    while (q != end && isNumberChar(*q)) {
        ++q;
    }
    if (q == p) {
        return false;
    }
    if (allowPercent && q != end && *q == '%') {
        ++q;
    }
    group = std::string_view(p, static_cast<std::size_t>(q - p));
    p = q;
    return true;
}

// Reads ',' and the white space after it.
bool readComma(const char*& p, const char* end) {
    if (p == end || *p != ',') {
        return false;
    }
    ++p;
    while (p != end && isSpace(*p)) {
        ++p;
    }
    return true;
}

// Matches "(n,n,n)" or "(n,n,n,n)" from p on. On success p ends after the ')'; on failure it
// stands at the first character that did not fit.
bool matchArguments(const char*& p, const char* end, bool percentAllowed, Match& match) {
    if (p == end || *p != '(') {
        return false;
    }
    ++p;
    if (!readNumber(p, end, false, match.groups[0]) || !readComma(p, end) ||
        !readNumber(p, end, percentAllowed, match.groups[1]) || !readComma(p, end) ||
        !readNumber(p, end, percentAllowed, match.groups[2])) {
        return false;
    }
    if (p != end && *p == ',') {
        if (!readComma(p, end) || !readNumber(p, end, false, match.groups[3])) {
            return false;
        }
        match.fourthGroupMatched = true;
    }
    if (p == end || *p != ')') {
        return false;
    }
    ++p;
    return true;
}

}  // namespace

Searcher::Searcher(std::string_view text)
    : text_(text), head_(classifyBytes(text.data(), text.size() < kChunk ? text.size() : kChunk)) {}

// Returned by reference to head_ or scratch, never copied: the masks are read field by field.
const ByteMasks& Searcher::masksAt(std::size_t chunk, ByteMasks& scratch) const {
    if (chunk == 0) {
        return head_;
    }
    const std::size_t length = text_.size() - chunk;
    scratch = classifyBytes(text_.data() + chunk, length < kChunk ? length : kChunk);
    return scratch;
}

std::optional<Match> Searcher::searchHex6() const {
    ByteMasks scratch;
    std::uint64_t previous = 0;
    for (std::size_t chunk = 0; chunk < text_.size(); chunk += kChunk) {
        const std::uint64_t hex = masksAt(chunk, scratch).hex;
        // Windows that began in the last five positions of the previous chunk come first.
        if (const std::uint64_t crossing = hex6Starts(joined(previous, hex, 5)) & 0x1F) {
            return hex6At(text_, chunk + lowestBit(crossing) - 5);
        }
        if (const std::uint64_t inside = hex6Starts(hex)) {
            return hex6At(text_, chunk + lowestBit(inside));
        }
        previous = hex;
    }
    return std::nullopt;
}

std::optional<Match> Searcher::searchHex3() const {
    ByteMasks scratch;
    std::uint64_t previousHex = 0;
    std::uint64_t previousHash = 0;
    for (std::size_t chunk = 0; chunk < text_.size(); chunk += kChunk) {
        const ByteMasks& masks = masksAt(chunk, scratch);
        const std::uint64_t hex = masks.hex;
        const std::uint64_t hash = masks.hash;
        const std::uint64_t crossing =
            hex3Starts(joined(previousHex, hex, 3), joined(previousHash, hash, 3)) & 0x7;
        if (crossing != 0) {
            return hex3At(text_, chunk + lowestBit(crossing) - 3);
        }
        if (const std::uint64_t inside = hex3Starts(hex, hash)) {
            return hex3At(text_, chunk + lowestBit(inside));
        }
        previousHex = hex;
        previousHash = hash;
    }
    return std::nullopt;
}

std::optional<Match> Searcher::searchFunctional(bool hsl) const {
    const std::string_view name = hsl ? "hsl" : "rgb";
    const char* const begin = text_.data();
    const char* const end = begin + text_.size();
    ByteMasks scratch;
    std::size_t resume = 0;  // no match can start before this
    for (std::size_t chunk = 0; chunk < text_.size(); chunk += kChunk) {
        if (chunk + kChunk <= resume) {
            continue;
        }
        const ByteMasks& masks = masksAt(chunk, scratch);
        for (std::uint64_t starts = hsl ? masks.hsl : masks.rgb; starts != 0;
             starts &= starts - 1) {
            const std::size_t start = chunk + lowestBit(starts);
            if (start < resume || text_.compare(start, 3, name) != 0) {
                continue;
            }
            const char* p = begin + start + 3;
            if (p != end && *p == 'a') {
                ++p;
            }
            Match match;
            if (matchArguments(p, end, hsl, match)) {
                match.whole = text_.substr(start, static_cast<std::size_t>(p - begin) - start);
                return match;
            }
            resume = static_cast<std::size_t>(p - begin);
        }
    }
    return std::nullopt;
}

std::optional<Match> Searcher::search(Pattern pattern) const {
    switch (pattern) {
        case Pattern::hex6:
            return searchHex6();
        case Pattern::hex3:
            return searchHex3();
        case Pattern::rgb:
            return searchFunctional(false);
        case Pattern::hsl:
            return searchFunctional(true);
    }
    return std::nullopt;
}

std::optional<Match> search(Pattern pattern, std::string_view text) {
    return Searcher(text).search(pattern);
}

}  // namespace hueloupe::css
