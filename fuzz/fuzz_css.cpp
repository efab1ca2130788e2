// SPDX-License-Identifier: MIT
// Reads arbitrary bytes as CSS colour text. Checks that every colour lies in 0..1, that the
// memoised and the plain reading agree, that the whole-form shortcut agrees with the full
// search, and that the hand-written matcher finds what the standard regex finds (on short
// inputs, where the standard regex's recursion stays shallow).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "CssColor.h"
#include "CssForms.h"
#include "CssPatterns.h"
#include "Lowercase.h"

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
    const css::Searcher searcher(text);
    for (const auto pattern :
         {css::Pattern::hex6, css::Pattern::hex3, css::Pattern::rgb, css::Pattern::hsl}) {
        const auto match = css::search(pattern, text);
        const auto shared = searcher.search(pattern);
        check(match.has_value() == shared.has_value());
        if (match) {
            check(match->whole == shared->whole && within(match->whole, text));
            for (const auto& group : match->groups) {
                check(within(group, match->whole));
            }
            check(match->fourthGroupMatched || match->groups[3].empty());
        }
        if (text.size() < kRegexLimit) {
            checkAgainstRegex(pattern, text, match);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto colour = hueloupe::colorFromCSString(text);
    checkColour(colour);
    check(hueloupe::colorFromCSString(text) == colour);  // now possibly from the memo

    const std::string lowered = hueloupe::toLowerUtf8(text);
    check(hueloupe::parseLowercasedCssColor(lowered) == colour);
    if (const auto shortcut = css::wholeTextForm(lowered)) {
        check(shortcut == css::searchNumericForm(lowered));
    }
    checkPatterns(text);
    checkPatterns(lowered);
    return 0;
}
