#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace hueloupe {

// One user-perceived character (extended grapheme cluster) of a UTF-8 text.
struct Grapheme {
    std::string_view bytes;   // the cluster's bytes in the input, as they stand
    bool hasInvalid = false;  // some byte was not valid UTF-8 and reads as U+FFFD

    // The character when it is exactly one ASCII code point, otherwise -1.
    int ascii() const {
        return bytes.size() == 1 && static_cast<unsigned char>(bytes[0]) < 0x80
                   ? static_cast<unsigned char>(bytes[0])
                   : -1;
    }

    // Appends the cluster as valid UTF-8: every invalid byte becomes U+FFFD.
    void appendTo(std::string& out) const;
};

// Reads a UTF-8 text one extended grapheme cluster at a time. Runs of ASCII are split
// without consulting the Unicode tables; only text next to non-ASCII bytes goes through
// utf8proc. Each byte that is not part of a valid UTF-8 sequence is read as U+FFFD.
class GraphemeReader {
public:
    explicit GraphemeReader(std::string_view text) : text_(text) {}

    // Stores the next cluster in out and returns true, or returns false at the end.
    bool next(Grapheme& out) {
        const std::size_t size = text_.size();
        if (pos_ >= size) {
            return false;
        }
        const auto first = byteAt(pos_);
        if (first < 0x80 && (pos_ + 1 == size || byteAt(pos_ + 1) < 0x80)) {
            // Two ASCII code points always break apart, except CR LF.
            const bool crlf = first == '\r' && pos_ + 1 < size && byteAt(pos_ + 1) == '\n';
            const std::size_t length = crlf ? 2 : 1;
            out = Grapheme{text_.substr(pos_, length), false};
            pos_ += length;
            return true;
        }
        out = nextSlow();
        return true;
    }

private:
    unsigned char byteAt(std::size_t index) const {
        return static_cast<unsigned char>(text_[index]);
    }
    Grapheme nextSlow();

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace hueloupe
