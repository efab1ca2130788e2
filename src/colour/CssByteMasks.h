// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace hueloupe::css {

// Where the bytes that the colour patterns care about stand in a run of up to 64 bytes:
// bit k of each mask describes byte k.
struct ByteMasks {
    std::uint64_t hex = 0;   // [0-9a-f]
    std::uint64_t hash = 0;  // '#'
    // Where "rgb" and "hsl" start; in the last two places an 'r' or 'h' alone is marked, as
    // the rest of the name lies beyond the run.
    std::uint64_t rgb = 0;
    std::uint64_t hsl = 0;
};

// Classifies the n bytes at p, n <= 64, reading no byte outside them.
ByteMasks classifyBytes(const char* p, std::size_t n);

}  // namespace hueloupe::css
