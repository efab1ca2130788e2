// SPDX-License-Identifier: MIT
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace hueloupe {

// Reads a UTF-8 text one user-perceived character (extended grapheme cluster) at a time.
// Runs of ASCII are split without consulting the Unicode tables; only text next to
// non-ASCII bytes goes through utf8proc. Each byte that is not part of a valid UTF-8
// sequence is read as U+FFFD.
class GraphemeReader {
public:
    static constexpr int otherCharacter = -1;  // a cluster that is not one ASCII code point
    static constexpr int endOfText = -2;
    static constexpr int invalidCharacter = -3;  // a cluster with bytes that are not UTF-8

    explicit GraphemeReader(std::string_view text) : text_(text) {}

    std::string_view text() const { return text_; }

    // Reads the next cluster. Returns the character when the cluster is exactly one ASCII
    // code point, invalidCharacter for a cluster holding bytes that are not valid UTF-8
    // (each read as U+FFFD), otherCharacter for any other cluster, or endOfText.
    int next() {
        const std::size_t size = text_.size();
        begin_ = pos_;
        if (pos_ >= size) {
            return endOfText;
        }
        const auto first = byteAt(pos_);
        if (first < 0x80 && (pos_ + 1 == size || byteAt(pos_ + 1) < 0x80)) {
            // Two ASCII code points always break apart, except CR LF.
            if (first == '\r' && pos_ + 1 < size && byteAt(pos_ + 1) == '\n') {
                pos_ += 2;
                return otherCharacter;
            }
            ++pos_;
            return first;
        }
        return nextSlow();
    }

    // The byte range of the cluster last read.
    std::size_t clusterBegin() const { return begin_; }
    std::size_t clusterEnd() const { return pos_; }
    // Moves past characters that are single ASCII bytes other than "{" and backslash, and
    // stops before any byte that could begin or join a longer cluster. Returns the new
    // position. A CR LF pair may be passed as two characters; callers use this only where
    // every such character is treated alike.
    std::size_t skipPlainAscii() {
        std::size_t stop = findSpecialByte(pos_);
        // The ASCII byte before a non-ASCII one may join it in one cluster.
        if (stop < text_.size() && byteAt(stop) >= 0x80 && stop > pos_) {
            --stop;
        }
        pos_ = stop;
        return pos_;
    }

    // Appends the cluster last read, which holds invalid bytes, as valid UTF-8: every
    // invalid byte becomes U+FFFD.
    void appendCluster(std::string& out) const;

private:
    // The first position at or after from holding "{", a backslash or a non-ASCII byte,
    // or the size of the text. Looks at eight bytes at a time.
    std::size_t findSpecialByte(std::size_t from) const {
        std::size_t pos = from;
        if constexpr (std::endian::native == std::endian::little) {
            for (; pos + 8 <= text_.size(); pos += 8) {
                std::uint64_t word = 0;
                std::memcpy(&word, text_.data() + pos, 8);
                if (const std::uint64_t found = specialBytes(word); found != 0) {
                    return pos + static_cast<std::size_t>(std::countr_zero(found)) / 8;
                }
            }
        }
        for (; pos < text_.size(); ++pos) {
            const auto value = byteAt(pos);
            if (value >= 0x80 || value == '{' || value == '\\') {
                break;
            }
        }
        return pos;
    }

    // The high bit of each byte of word that is "{", a backslash or non-ASCII; exact for
    // the lowest such byte (a borrow may flag bytes above it).
    static constexpr std::uint64_t specialBytes(std::uint64_t word) {
        constexpr std::uint64_t ones = 0x0101010101010101;
        constexpr std::uint64_t highBits = 0x8080808080808080;
        const auto zeroBytes = [](std::uint64_t x) { return (x - ones) & ~x & highBits; };
        return (word & highBits) | zeroBytes(word ^ (ones * '{')) | zeroBytes(word ^ (ones * '\\'));
    }

    unsigned char byteAt(std::size_t index) const {
        return static_cast<unsigned char>(text_[index]);
    }
    int nextSlow();

    std::string_view text_;
    std::size_t begin_ = 0;
    std::size_t pos_ = 0;
};

}  // namespace hueloupe
