// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Reading short texts eight bytes at a time, never touching a byte outside them. Bytes are
// placed little-end first, so byte k of the text is byte k of the word; tests for equality
// and for byte classes do not depend on that order.
namespace hueloupe::words {

inline constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
inline constexpr std::uint64_t kTopBits = kEveryByte * 0x80;

// The top bit of each zero byte of x: exact for the lowest one (a borrow may mark bytes above).
constexpr std::uint64_t zeroBytes(std::uint64_t x) {
    return (x - kEveryByte) & ~x & kTopBits;
}

inline std::uint64_t load8(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The n <= 8 bytes at p, zero above.
inline std::uint64_t loadUpTo8(const char* p, std::size_t n) {
    if (n >= 4) {
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        std::memcpy(&low, p, 4);
        std::memcpy(&high, p + n - 4, 4);  // overlaps low when n < 8; the bytes agree
        return low | (std::uint64_t{high} << ((n - 4) * 8));
    }
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < n; ++i) {
        word |= std::uint64_t{static_cast<unsigned char>(p[i])} << (i * 8);
    }
    return word;
}

// Whether any 8-byte word of the n bytes at p satisfies test: whole words from the start,
// then the last eight bytes (overlapping), or the short text zero-padded. test must be false
// for zero bytes.
template <typename Test>
bool anyWord(const char* p, std::size_t n, Test test) {
    if (n <= 8) {
        return test(loadUpTo8(p, n));
    }
    for (std::size_t i = 0; i + 8 < n; i += 8) {
        if (test(load8(p + i))) {
            return true;
        }
    }
    return test(load8(p + n - 8));
}

inline bool equalBytes(const char* a, const char* b, std::size_t n) {
    if (n <= 8) {
        return loadUpTo8(a, n) == loadUpTo8(b, n);
    }
    for (std::size_t i = 0; i + 8 < n; i += 8) {
        if (load8(a + i) != load8(b + i)) {
            return false;
        }
    }
    return load8(a + n - 8) == load8(b + n - 8);
}

}  // namespace hueloupe::words
