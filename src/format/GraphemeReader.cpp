// SPDX-License-Identifier: MIT
#include "GraphemeReader.h"

#include <utf8proc.h>

namespace hueloupe {

namespace {

constexpr std::int32_t replacementCharacter = 0xFFFD;
constexpr std::string_view replacementUtf8 = "\xEF\xBF\xBD";

struct CodePoint {
    std::int32_t value = replacementCharacter;
    std::size_t length = 1;  // bytes consumed; an invalid byte is consumed alone
    bool valid = false;
};

CodePoint decodeAt(std::string_view text, std::size_t pos) {
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data()) + pos;
    const auto remaining = static_cast<utf8proc_ssize_t>(text.size() - pos);
    utf8proc_int32_t value = -1;
    const utf8proc_ssize_t length = utf8proc_iterate(bytes, remaining, &value);
    if (length <= 0 || value < 0) {
        return CodePoint{};
    }
    return CodePoint{value, static_cast<std::size_t>(length), true};
}

}  // namespace

void GraphemeReader::appendCluster(std::string& out) const {
    const std::string_view bytes = text_.substr(begin_, pos_ - begin_);
    for (std::size_t pos = 0; pos < bytes.size();) {
        const CodePoint point = decodeAt(bytes, pos);
        if (point.valid) {
            out.append(bytes.substr(pos, point.length));
        } else {
            out.append(replacementUtf8);
        }
        pos += point.length;
    }
}

// A cluster that starts at or next to a non-ASCII byte: code points are decoded and
// utf8proc decides where the cluster ends.
int GraphemeReader::nextSlow() {
    // The break state may start afresh at every cluster boundary.
    utf8proc_int32_t state = 0;
    const std::size_t start = pos_;
    CodePoint previous = decodeAt(text_, pos_);
    bool hasInvalid = !previous.valid;
    pos_ += previous.length;
    while (pos_ < text_.size()) {
        const CodePoint current = decodeAt(text_, pos_);
        if (utf8proc_grapheme_break_stateful(previous.value, current.value, &state)) {
            break;
        }
        hasInvalid = hasInvalid || !current.valid;
        pos_ += current.length;
        previous = current;
    }
    if (hasInvalid) {
        return invalidCharacter;
    }
    return pos_ - start == 1 ? byteAt(start) : otherCharacter;
}

}  // namespace hueloupe
