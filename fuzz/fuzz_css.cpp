// SPDX-License-Identifier: MIT
// Reads arbitrary bytes as CSS colour text. Checks that every colour lies in 0..1, that the
// memoised and the plain reading agree, that the parser (with its whole-text shortcut) gives
// the first matching pattern's groups as strtol and strtod read them, and that the
// hand-written matcher finds what the standard regex finds (on short inputs, where the
// standard regex's recursion stays shallow), also when handed a match from before.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "CssColor.h"
#include "CssPatterns.h"
#include "Utf8.h"

namespace {

using hueloupe::ColorValue;
namespace css = hueloupe::css;

constexpr std::size_t kRegexLimit = 200;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool inUnitRange(double x) {
    return x >= 0.0 && x <= 1.0;
}

void checkColour(const std::optional<ColorValue>& colour) {
    if (colour) {
        check(inUnitRange(colour->red) && inUnitRange(colour->green) && inUnitRange(colour->blue) &&
              inUnitRange(colour->alpha));
    }
}

bool within(std::string_view part, std::string_view whole) {
    return part.empty() || (part.data() >= whole.data() &&
                            part.data() + part.size() <= whole.data() + whole.size());
}

const std::regex& referenceFor(css::Pattern pattern) {
    static const std::regex hex6("#?([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})");
    static const std::regex hex3("#([0-9a-f])([0-9a-f])([0-9a-f])");
    static const std::regex rgb(
        R"(rgba?\(([0-9\.]+),\s*([0-9\.]+),\s*([0-9\.]+)(?:,\s*([0-9\.]+))?\))");
    static const std::regex hsl(
        R"(hsla?\(([0-9\.]+),\s*([0-9\.]+%?),\s*([0-9\.]+%?)(?:,\s*([0-9\.]+))?\))");
    switch (pattern) {
        case css::Pattern::hex6:
            return hex6;
        case css::Pattern::hex3:
            return hex3;
        case css::Pattern::rgb:
            return rgb;
        case css::Pattern::hsl:
            break;
    }
    return hsl;
}

void checkAgainstRegex(css::Pattern pattern, const std::string& text,
                       const std::optional<css::Match>& match) {
    std::smatch expected;
    const bool found = std::regex_search(text, expected, referenceFor(pattern));
    check(found == match.has_value());
    if (!found) {
        return;
    }
    check(static_cast<std::size_t>(match->whole.data() - text.data()) ==
              static_cast<std::size_t>(expected.position(0)) &&
          match->whole == expected.str(0));
    const std::size_t groups = expected.size() - 1;
    for (std::size_t g = 0; g < groups; ++g) {
        check(match->groups[g] == expected.str(g + 1));
    }
    check(match->fourthGroupMatched == (groups == 4 && expected[4].matched));
}

void checkPatterns(const std::string& text) {
    css::Match reused;  // holds the previous pattern's match, if any
    for (const auto pattern :
         {css::Pattern::hex6, css::Pattern::hex3, css::Pattern::rgb, css::Pattern::hsl}) {
        const auto match = css::search(pattern, text);
        check(css::find(pattern, text, reused) == match.has_value());
        if (match) {
            check(match->whole == reused.whole && within(match->whole, text));
            for (std::size_t g = 0; g < 4; ++g) {
                check(within(match->groups[g], match->whole) &&
                      match->groups[g] == reused.groups[g]);
            }
            check(match->fourthGroupMatched || match->groups[3].empty());
        }
        if (text.size() < kRegexLimit) {
            checkAgainstRegex(pattern, text, match);
        }
    }
}

double number(std::string_view group) {
    return std::strtod(std::string(group).c_str(), nullptr);
}

double hex(std::string_view group) {  // one digit stands for itself twice
    const std::string digits = group.size() == 1 ? std::string(2, group[0]) : std::string(group);
    return static_cast<double>(std::strtol(digits.c_str(), nullptr, 16)) / 255.0;
}

double fraction(std::string_view group) {
    return group.ends_with('%') ? number(group) / 100 : number(group);
}

// The parser's colour where a pattern matches, from the first pattern's groups read as written.
void checkNumericForm(const std::string& lowered, const std::optional<ColorValue>& colour) {
    ColorValue expected;
    if (const auto m = css::search(css::Pattern::hex6, lowered)) {
        expected = ColorValue{hex(m->groups[0]), hex(m->groups[1]), hex(m->groups[2]), 1};
    } else if (const auto m = css::search(css::Pattern::hex3, lowered)) {
        expected = ColorValue{hex(m->groups[0]), hex(m->groups[1]), hex(m->groups[2]), 1};
    } else if (const auto m = css::search(css::Pattern::rgb, lowered)) {
        expected = ColorValue{number(m->groups[0]) / 255, number(m->groups[1]) / 255,
                              number(m->groups[2]) / 255,
                              m->fourthGroupMatched ? number(m->groups[3]) : 1};
    } else if (const auto m = css::search(css::Pattern::hsl, lowered)) {
        expected = hueloupe::colorFromHSL(number(m->groups[0]), fraction(m->groups[1]),
                                          fraction(m->groups[2]));
        expected.alpha = m->fourthGroupMatched ? number(m->groups[3]) : 1;
    } else {
        return;
    }
    using hueloupe::clampComponent;
    check(colour == ColorValue{clampComponent(expected.red), clampComponent(expected.green),
                               clampComponent(expected.blue), clampComponent(expected.alpha)});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto colour = hueloupe::colorFromCSString(text);
    checkColour(colour);
    check(hueloupe::colorFromCSString(text) == colour);  // now possibly from the memo

    const std::string lowered = hueloupe::toLowerUtf8(text);
    check(hueloupe::parseLowercasedCssColor(lowered) == colour);
    checkNumericForm(lowered, colour);
    checkPatterns(text);
    checkPatterns(lowered);
    return 0;
}
