#pragma once

#include <cstddef>
#include <cstdint>

namespace hueloupe::css {

// Where the bytes that the colour patterns care about stand in a run of up to 64 bytes:
// bit k of each mask describes byte k.
struct ByteMasks {
    std::uint64_t hex = 0;   // [0-9a-f]
    std::uint64_t hash = 0;  // '#'
    std::uint64_t r = 0;     // 'r', where "rgb" may start
    std::uint64_t h = 0;     // 'h', where "hsl" may start
};

// Classifies the n bytes at p, n <= 64, reading no byte outside them.
ByteMasks classifyBytes(const char* p, std::size_t n);

}  // namespace hueloupe::css
