// SPDX-License-Identifier: MIT
#include "CssPatterns.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

#include "CharClasses.h"

// hex6: the match is the first window of six hex digits, widened by one to the left when a
// '#' stands there; windows are found with bit masks, without a branch per byte. hex3: the
// first '#' followed by three hex digits. rgb and hsl: every quantifier is followed by a
// character outside its class, so no backtracking into it can help; the only choice is the
// optional alpha group, decided by the character after the third number (')' without it,
// ',' with it). A failed attempt consumes only the rest of the name, 'a', '(', [0-9.,%] and
// white space, never the letter a new start begins with, so the search resumes where an
// attempt stopped and stays linear.

namespace hueloupe::css {

namespace {

// A number of more than 15 digits, correctly rounded, as strtod reads it.
double readLongDecimal(std::string_view number) {
    double value = 0.0;
    const char* const end = number.data() + number.size();
    const auto error = std::from_chars(number.data(), end, value, std::chars_format::fixed).ec;
    if (error == std::errc::result_out_of_range) {
        // strtod gives HUGE_VAL on overflow (a digit other than 0 before the point) and 0
        // below the smallest subnormal.
        const bool large = number.find_first_not_of('0') < number.find('.');
        return large ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

// Reads a text from left to right; a step that fails consumes nothing.
struct Cursor {
    const char* p;
    const char* end;

    bool take(char c) {
        if (p == end || *p != c) {
            return false;
        }
        ++p;
        return true;
    }

    // [0-9.]+ into group and its value, as strtod reads it (up to a second point), into
    // value; then a '%' when allowed. The value is read in the same pass: up to 15 digits
    // form an integer below 2^53, exact as a double, as is 10^k for k <= 15, so one division
    // rounds correctly.
    bool number(bool allowPercent, std::string_view& group, double& value) {
        const char* const first = p;
        std::uint64_t mantissa = 0;  // wraps beyond 19 digits, where it is not used
        const auto digits = [this, &mantissa] {
            const char* const from = p;
            for (; p != end && chars::isDigit(*p); ++p) {
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
            }
            return p - from;
        };
        const std::ptrdiff_t integerDigits = digits();
        const std::ptrdiff_t fractionDigits = take('.') ? digits() : 0;
        const std::string_view number(first, static_cast<std::size_t>(p - first));
        while (p != end && chars::is(*p, chars::kNumber)) {
            ++p;  // after a second point: part of the group, not of the number
        }
        if (p == first) {
            return false;
        }
        value = integerDigits + fractionDigits <= 15
                    ? static_cast<double>(mantissa) / chars::kPowersOfTen[fractionDigits]
                    : readLongDecimal(number);
        if (allowPercent) {
            take('%');
        }
        group = std::string_view(first, static_cast<std::size_t>(p - first));
        return true;
    }

    // ',' and the white space after it.
    bool comma() {
        if (!take(',')) {
            return false;
        }
        while (p != end && chars::is(*p, chars::kSpace)) {
            ++p;
        }
        return true;
    }
};

// Matches the name and the arguments from start on. The cursor stops after the match, or at
// the first character that did not fit.
bool matchFunctional(std::string_view text, std::size_t start, bool hsl, Cursor& in, Match& m) {
    in = Cursor{text.data() + start, text.data() + text.size()};
    m.groups[3] = {};
    if (text.size() - start < 3 || text.compare(start, 3, hsl ? "hsl" : "rgb") != 0) {
        return false;
    }
    in.p += 3;
    in.take('a');
    if (!in.take('(') || !in.number(false, m.groups[0], m.numbers[0]) || !in.comma() ||
        !in.number(hsl, m.groups[1], m.numbers[1]) || !in.comma() ||
        !in.number(hsl, m.groups[2], m.numbers[2])) {
        return false;
    }
    m.fourthGroupMatched = in.p != in.end && *in.p == ',';
    if ((m.fourthGroupMatched && (!in.comma() || !in.number(false, m.groups[3], m.numbers[3]))) ||
        !in.take(')')) {
        return false;
    }
    m.whole = text.substr(start, static_cast<std::size_t>(in.p - text.data()) - start);
    return true;
}

// A hex match: three groups of `width` digits each.
void setHexMatch(Match& m, std::string_view whole, std::string_view digits, std::size_t width) {
    m.whole = whole;
    for (std::size_t g = 0; g < 3; ++g) {
        m.groups[g] = digits.substr(g * width, width);
    }
    m.groups[3] = {};
    m.fourthGroupMatched = false;
}

// Bit k set: byte k of text (at most 64 bytes) is a hex digit.
std::uint64_t hexDigits(std::string_view text) {
    std::uint64_t mask = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        mask |= std::uint64_t{chars::is(text[k], chars::kHex)} << k;
    }
    return mask;
}

// Over chunks of 64 bytes that overlap by five, so that each window of six lies whole in the
// chunk where it starts; a chunk's windows start at its first 59 bytes.
bool searchHex6(std::string_view text, Match& m) {
    constexpr std::size_t kStep = 59;
    for (std::size_t chunk = 0; chunk < text.size(); chunk += kStep) {
        const std::uint64_t hex = hexDigits(text.substr(chunk, 64));
        const std::uint64_t starts = hex & (hex >> 1) & (hex >> 2) & (hex >> 3) & (hex >> 4) &
                                     (hex >> 5) & ((std::uint64_t{1} << kStep) - 1);
        if (starts != 0) {
            const std::size_t first = chunk + static_cast<std::size_t>(std::countr_zero(starts));
            const std::size_t start = first > 0 && text[first - 1] == '#' ? first - 1 : first;
            setHexMatch(m, text.substr(start, first + 6 - start), text.substr(first, 6), 2);
            return true;
        }
    }
    return false;
}

bool searchHex3(std::string_view text, Match& m) {
    for (std::size_t at = text.find('#'); at != std::string_view::npos;
         at = text.find('#', at + 1)) {
        if (at + 3 < text.size() && chars::is(text[at + 1], chars::kHex) &&
            chars::is(text[at + 2], chars::kHex) && chars::is(text[at + 3], chars::kHex)) {
            setHexMatch(m, text.substr(at, 4), text.substr(at + 1, 3), 1);
            return true;
        }
    }
    return false;
}

bool searchFunctional(std::string_view text, bool hsl, Match& m) {
    const std::string_view name = hsl ? "hsl" : "rgb";
    Cursor stop{};
    for (std::size_t at = text.find(name); at != std::string_view::npos;
         at = text.find(name, static_cast<std::size_t>(stop.p - text.data()))) {
        if (matchFunctional(text, at, hsl, stop, m)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool find(Pattern pattern, std::string_view text, Match& m) {
    switch (pattern) {
        case Pattern::hex6:
            return searchHex6(text, m);
        case Pattern::hex3:
            return searchHex3(text, m);
        case Pattern::rgb:
        case Pattern::hsl:
            break;
    }
    return searchFunctional(text, pattern == Pattern::hsl, m);
}

std::optional<Match> search(Pattern pattern, std::string_view text) {
    Match m;
    return find(pattern, text, m) ? std::optional(m) : std::nullopt;
}

bool matchWhole(Pattern pattern, std::string_view text, Match& m) {
    Cursor stop{};
    return matchFunctional(text, 0, pattern == Pattern::hsl, stop, m) && stop.p == stop.end;
}

double readDecimal(std::string_view text) {
    Cursor in{text.data(), text.data() + text.size()};
    std::string_view group;
    double value = 0.0;
    return in.number(false, group, value) ? value : 0.0;
}

}  // namespace hueloupe::css
