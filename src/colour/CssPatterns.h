// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "CssByteMasks.h"

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
};

// Leftmost match of one pattern in text, or nothing.
std::optional<Match> search(Pattern pattern, std::string_view text);

// Searches one text for several patterns, sharing the classification of its first bytes.
// Equivalent to calling search() for each pattern. The text must outlive the searcher.
class Searcher {
public:
    explicit Searcher(std::string_view text);

    std::optional<Match> search(Pattern pattern) const;

private:
    const ByteMasks& masksAt(std::size_t chunk, ByteMasks& scratch) const;
    std::optional<Match> searchHex6() const;
    std::optional<Match> searchHex3() const;
    std::optional<Match> searchFunctional(bool hsl) const;

    std::string_view text_;
    ByteMasks head_;  // the first 64 bytes
};

}  // namespace hueloupe::css
