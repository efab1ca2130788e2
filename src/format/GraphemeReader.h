// SPDX-License-Identifier: MIT
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "CharClasses.h"
#include "WordLoads.h"

namespace hueloupe {

// Reads a UTF-8 text one user-perceived character (extended grapheme cluster) at a time.
// Runs of ASCII are split without consulting the Unicode tables; only text next to
// non-ASCII bytes goes through utf8proc. Bytes that are not valid UTF-8 are read as
// decodeUtf8 reads them (Utf8.h): each one alone, as U+FFFD.
class GraphemeReader {
public:
    static constexpr int otherCharacter = -1;  // a cluster that is not one ASCII code point
    static constexpr int endOfText = -2;

    explicit GraphemeReader(std::string_view text) : text_(text) {}

    std::string_view text() const { return text_; }
    // Where the cluster last read begins.
    std::size_t clusterBegin() const { return begin_; }

    // Reads the next cluster: the character when it is exactly one ASCII code point,
    // otherCharacter for any other cluster, or endOfText.
    int next() {
        begin_ = pos_;
        invalid_ = false;
        if (pos_ >= text_.size()) {
            return endOfText;
        }
        const unsigned char first = byteAt(pos_);
        if (first < 0x80 && (pos_ + 1 == text_.size() || byteAt(pos_ + 1) < 0x80)) {
            // Two ASCII code points always break apart, except CR LF.
            if (first == '\r' && pos_ + 1 < text_.size() && byteAt(pos_ + 1) == '\n') {
                pos_ += 2;
                return otherCharacter;
            }
            ++pos_;
            return first;
        }
        return nextSlow();
    }

    // Appends the cluster last read (nothing at the end of the text) to out, as valid UTF-8:
    // a byte that is not part of a valid sequence is written as U+FFFD.
    void appendCluster(std::string& out) const {
        if (invalid_) {
            appendReplacingInvalid(out);
        } else if (pos_ - begin_ == 1) {
            out.push_back(text_[begin_]);
        } else {
            out.append(text_.substr(begin_, pos_ - begin_));
        }
    }

    // Reads on over characters that are single ASCII bytes other than "{" and backslash,
    // up to any byte that could begin or join a longer cluster, and appends them to out. A
    // CR LF pair may be passed as two characters; callers use this only where every such
    // character is treated alike.
    void appendPlainAscii(std::string& out) {
        std::size_t stop = findSpecialByte(pos_);
        // The ASCII byte before a non-ASCII one may join it in one cluster.
        if (stop < text_.size() && byteAt(stop) >= 0x80 && stop > pos_) {
            --stop;
        }
        out.append(text_.substr(pos_, stop - pos_));
        pos_ = stop;
    }

private:
    // The first position from `from` on that holds "{", a backslash or a non-ASCII byte, or
    // the size: eight bytes at a time where words are little-end first, then byte by byte.
    std::size_t findSpecialByte(std::size_t from) const {
        using words::kEveryByte;
        std::size_t pos = from;
        if constexpr (std::endian::native == std::endian::little) {
            for (; pos + 8 <= text_.size(); pos += 8) {
                const std::uint64_t word = words::load8(text_.data() + pos);
                const std::uint64_t found = (word & words::kTopBits) |
                                            words::zeroBytes(word ^ (kEveryByte * '{')) |
                                            words::zeroBytes(word ^ (kEveryByte * '\\'));
                if (found != 0) {
                    return pos + static_cast<std::size_t>(std::countr_zero(found)) / 8;
                }
            }
        }
        while (pos < text_.size() && chars::is(text_[pos], chars::kPlain)) {
            ++pos;
        }
        return pos;
    }

    unsigned char byteAt(std::size_t index) const {
        return static_cast<unsigned char>(text_[index]);
    }
    int nextSlow();
    void appendReplacingInvalid(std::string& out) const;

    std::string_view text_;
    std::size_t begin_ = 0;
    std::size_t pos_ = 0;
    bool invalid_ = false;  // the cluster last read holds bytes that are not UTF-8
};

}  // namespace hueloupe
