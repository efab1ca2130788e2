// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace hueloupe::css {

// The four colour patterns, searched for leftmost-first in linear time without recursion:
//   hex6  #?([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})
//   hex3  #([0-9a-f])([0-9a-f])([0-9a-f])
//   rgb   rgba?\(([0-9\.]+),\s*([0-9\.]+),\s*([0-9\.]+)(?:,\s*([0-9\.]+))?\)
//   hsl   hsla?\(([0-9\.]+),\s*([0-9\.]+%?),\s*([0-9\.]+%?)(?:,\s*([0-9\.]+))?\)
// \s is ASCII white space: space, \t, \n, \v, \f, \r.
enum class Pattern { hex6, hex3, rgb, hsl };

struct Match {
    std::string_view whole;           // the matched text
    std::string_view groups[4];       // captured text; empty where a group took no part
    bool fourthGroupMatched = false;  // the optional alpha group took part (rgb, hsl)
    double
        numbers[4];  // rgb and hsl: each group's number as readDecimal reads it, where it took part
};

// Finds the leftmost match of one pattern in text into m: what a backtracking ECMAScript
// search finds, with the same groups and participation. m may hold an earlier match.
bool find(Pattern pattern, std::string_view text, Match& m);
std::optional<Match> search(Pattern pattern, std::string_view text);

// Whether the whole text is one match of rgb or hsl, read into m.
bool matchWhole(Pattern pattern, std::string_view text, Match& m);

// A number read as strtod reads it in the "C" locale: the longest leading
// [digits][.digits] ("1.2.3" -> 1.2, "5." -> 5, ".5" -> 0.5, "50%" -> 50, "." -> 0), correctly
// rounded; too large a number gives +infinity.
double readDecimal(std::string_view text);

}  // namespace hueloupe::css
