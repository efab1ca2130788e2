// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The ASCII character classes that colour text and format strings are read with, and the
// powers of ten that decimal numbers are read and written with. Class tests on text go
// through one table, without branches; no byte above 0x7F is in any class.
namespace hueloupe::chars {

// 10^0 to 10^17, all exact as doubles.
inline constexpr std::array<double, 18> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,
                                                        1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17};

enum Class : std::uint8_t {
    kHex = 1,     // 0-9 a-f: lower case only, colour text is lower-cased before it is read
    kNumber = 2,  // 0-9 and '.', as a colour pattern's number
    kSpace = 4,   // space \t \n \v \f \r, as the colour patterns' \s
    kPlain = 8,   // ASCII other than '{' and '\\', which a format string takes as it stands
};

inline constexpr std::array<std::uint8_t, 256> kClasses = [] {
    std::array<std::uint8_t, 256> classes{};
    for (std::size_t c = 0; c < 0x80; ++c) {
        classes[c] = c == '{' || c == '\\' ? 0 : kPlain;
    }
    for (char c = '0'; c <= '9'; ++c) {
        classes[static_cast<unsigned char>(c)] |= kHex | kNumber;
    }
    for (char c = 'a'; c <= 'f'; ++c) {
        classes[static_cast<unsigned char>(c)] |= kHex;
    }
    classes['.'] |= kNumber;
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'}) {
        classes[static_cast<unsigned char>(c)] |= kSpace;
    }
    return classes;
}();

constexpr bool is(char c, Class cls) {
    return (kClasses[static_cast<unsigned char>(c)] & cls) != 0;
}

// Also for the tokenizer's characters, which are negative where they are no ASCII character.
constexpr bool isDigit(int c) {
    return static_cast<unsigned>(c - '0') < 10;
}

constexpr bool isUpper(int c) {
    return static_cast<unsigned>(c - 'A') < 26;
}

// The value of a digit of class kHex.
constexpr unsigned hexValue(char c) {
    return static_cast<unsigned>(isDigit(c) ? c - '0' : c - 'a' + 10);
}

// Written on bytes so that loops over text can work on many bytes at once.
constexpr char toLower(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return static_cast<char>(static_cast<unsigned char>(byte - 'A') < 26 ? byte + ('a' - 'A')
                                                                         : byte);
}

}  // namespace hueloupe::chars
