// SPDX-License-Identifier: MIT
#include "GraphemeReader.h"

#include <utf8proc.h>

#include "Utf8.h"

namespace hueloupe {

void GraphemeReader::appendReplacingInvalid(std::string& out) const {
    const std::string_view cluster = text_.substr(begin_, pos_ - begin_);
    for (std::size_t pos = 0; pos < cluster.size();) {
        const Utf8Char c = decodeUtf8(cluster, pos);
        out.append(c.valid ? cluster.substr(pos, c.length) : kReplacementUtf8);
        pos += c.length;
    }
}

// A cluster that starts at or next to a non-ASCII byte: code points are decoded and
// utf8proc decides where the cluster ends. The break state starts afresh at every cluster.
int GraphemeReader::nextSlow() {
    utf8proc_int32_t state = 0;
    Utf8Char previous = decodeUtf8(text_, pos_);
    invalid_ = !previous.valid;
    pos_ += previous.length;
    while (pos_ < text_.size()) {
        const Utf8Char current = decodeUtf8(text_, pos_);
        if (utf8proc_grapheme_break_stateful(static_cast<utf8proc_int32_t>(previous.codePoint),
                                             static_cast<utf8proc_int32_t>(current.codePoint),
                                             &state)) {
            break;
        }
        invalid_ = invalid_ || !current.valid;
        pos_ += current.length;
        previous = current;
    }
    return !invalid_ && pos_ - begin_ == 1 ? byteAt(begin_) : otherCharacter;
}

}  // namespace hueloupe
