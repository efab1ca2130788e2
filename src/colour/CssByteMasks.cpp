#include "colour/CssByteMasks.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace hueloupe::css {

namespace {

#if defined(__SSE2__)

// The n <= 8 bytes at p in the low bytes of a word, zero above, reading only those bytes.
std::uint64_t loadUpTo8(const char* p, std::size_t n) {
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

// The n <= 16 bytes at p in a vector, zero above.
__m128i loadShort(const char* p, std::size_t n) {
    const std::size_t lowBytes = n < 8 ? n : 8;
    const std::uint64_t low = loadUpTo8(p, lowBytes);
    const std::uint64_t high = n > 8 ? loadUpTo8(p + 8, n - 8) : 0;
    return _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
}

struct Masks16 {
    std::uint32_t hex, hash, r, h;
};

std::uint32_t moveMask(__m128i v) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(v));
}

// Bytes b with from <= b <= from + span, unsigned: min(b - from, span) == b - from.
__m128i inRange(__m128i bytes, char from, char span) {
    const __m128i offset = _mm_sub_epi8(bytes, _mm_set1_epi8(from));
    return _mm_cmpeq_epi8(_mm_min_epu8(offset, _mm_set1_epi8(span)), offset);
}

Masks16 classify16(__m128i bytes) {
    const auto equal = [bytes](char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); };
    return Masks16{moveMask(_mm_or_si128(inRange(bytes, '0', 9), inRange(bytes, 'a', 5))),
                   moveMask(equal('#')), moveMask(equal('r')), moveMask(equal('h'))};
}

void place(ByteMasks& masks, const Masks16& block, unsigned shift) {
    masks.hex |= std::uint64_t{block.hex} << shift;
    masks.hash |= std::uint64_t{block.hash} << shift;
    masks.r |= std::uint64_t{block.r} << shift;
    masks.h |= std::uint64_t{block.h} << shift;
}

Masks16 dropLow(Masks16 block, unsigned count) {
    return Masks16{block.hex >> count, block.hash >> count, block.r >> count, block.h >> count};
}

#endif

}  // namespace

ByteMasks classifyBytes(const char* p, std::size_t n) {
    ByteMasks masks;
#if defined(__SSE2__)
    if (n < 16) {
        place(masks, classify16(loadShort(p, n)), 0);
        return masks;
    }
    std::size_t offset = 0;
    for (; offset + 16 <= n; offset += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + offset));
        place(masks, classify16(bytes), static_cast<unsigned>(offset));
    }
    if (offset < n) {
        // Classify the last 16 bytes and keep only those not yet seen.
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 16));
        const auto seen = static_cast<unsigned>(16 - (n - offset));
        place(masks, dropLow(classify16(bytes), seen), static_cast<unsigned>(offset));
    }
#else
    for (std::size_t k = 0; k < n; ++k) {
        const char c = p[k];
        const std::uint64_t bit = std::uint64_t{1} << k;
        masks.hex |= ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')) ? bit : 0;
        masks.hash |= c == '#' ? bit : 0;
        masks.r |= c == 'r' ? bit : 0;
        masks.h |= c == 'h' ? bit : 0;
    }
#endif
    return masks;
}

}  // namespace hueloupe::css
