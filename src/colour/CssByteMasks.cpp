// SPDX-License-Identifier: MIT
#include "CssByteMasks.h"

#include "WordLoads.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace hueloupe::css {

namespace {

#if defined(__SSE2__)

// The n <= 16 bytes at p in a vector, zero above.
__m128i loadShort(const char* p, std::size_t n) {
    const std::size_t lowBytes = n < 8 ? n : 8;
    const std::uint64_t low = words::loadUpTo8(p, lowBytes);
    const std::uint64_t high = n > 8 ? words::loadUpTo8(p + 8, n - 8) : 0;
    return _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
}

// The bytes of one class in a run of up to 64, bit k standing for byte k.
struct LetterMasks {
    std::uint64_t hex = 0, hash = 0, r = 0, g = 0, b = 0, h = 0, s = 0, l = 0;
};

std::uint64_t moveMask(__m128i v) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(v));
}

// Bytes b with from <= b <= from + span, unsigned: min(b - from, span) == b - from.
__m128i inRange(__m128i bytes, char from, char span) {
    const __m128i offset = _mm_sub_epi8(bytes, _mm_set1_epi8(from));
    return _mm_cmpeq_epi8(_mm_min_epu8(offset, _mm_set1_epi8(span)), offset);
}

// Adds the classes of 16 bytes, shifted to `shift` after dropping the `drop` lowest.
void classify16(__m128i bytes, unsigned drop, unsigned shift, LetterMasks& masks) {
    const auto bits = [drop, shift](__m128i v) { return (moveMask(v) >> drop) << shift; };
    const auto equal = [bytes](char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); };
    masks.hex |= bits(_mm_or_si128(inRange(bytes, '0', 9), inRange(bytes, 'a', 5)));
    masks.hash |= bits(equal('#'));
    masks.r |= bits(equal('r'));
    masks.g |= bits(equal('g'));
    masks.b |= bits(equal('b'));
    masks.h |= bits(equal('h'));
    masks.s |= bits(equal('s'));
    masks.l |= bits(equal('l'));
}

LetterMasks classifyLetters(const char* p, std::size_t n) {
    LetterMasks masks;
    if (n < 16) {
        classify16(loadShort(p, n), 0, 0, masks);
        return masks;
    }
    std::size_t offset = 0;
    for (; offset + 16 <= n; offset += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + offset));
        classify16(bytes, 0, static_cast<unsigned>(offset), masks);
    }
    if (offset < n) {
        // Classify the last 16 bytes and keep only those not yet seen.
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 16));
        classify16(bytes, static_cast<unsigned>(16 - (n - offset)), static_cast<unsigned>(offset),
                   masks);
    }
    return masks;
}

#else

struct LetterMasks {
    std::uint64_t hex = 0, hash = 0, r = 0, g = 0, b = 0, h = 0, s = 0, l = 0;
};

LetterMasks classifyLetters(const char* p, std::size_t n) {
    LetterMasks masks;
    for (std::size_t k = 0; k < n; ++k) {
        const char c = p[k];
        const std::uint64_t bit = std::uint64_t{1} << k;
        masks.hex |= ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')) ? bit : 0;
        masks.hash |= c == '#' ? bit : 0;
        masks.r |= c == 'r' ? bit : 0;
        masks.g |= c == 'g' ? bit : 0;
        masks.b |= c == 'b' ? bit : 0;
        masks.h |= c == 'h' ? bit : 0;
        masks.s |= c == 's' ? bit : 0;
        masks.l |= c == 'l' ? bit : 0;
    }
    return masks;
}

#endif

}  // namespace

ByteMasks classifyBytes(const char* p, std::size_t n) {
    const LetterMasks letters = classifyLetters(p, n);
    constexpr std::uint64_t lastTwo = std::uint64_t{3} << 62;
    ByteMasks masks;
    masks.hex = letters.hex;
    masks.hash = letters.hash;
    masks.rgb = letters.r & (((letters.g >> 1) & (letters.b >> 2)) | lastTwo);
    masks.hsl = letters.h & (((letters.s >> 1) & (letters.l >> 2)) | lastTwo);
    return masks;
}

}  // namespace hueloupe::css
