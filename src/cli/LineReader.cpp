// SPDX-License-Identifier: MIT
#include "LineReader.h"

#include <cerrno>
#include <cstring>

namespace hueloupe::cli {

bool LineReader::fill() {
    if (done_) {
        return false;
    }
    begin_ = 0;
    end_ = std::fread(block_.data(), 1, block_.size(), stream_);
    if (end_ < block_.size() && std::ferror(stream_)) {
        error_ = errno;  // the lines read so far are handed out, then nothing more
        done_ = true;
    }
    if (end_ == 0) {
        done_ = true;
    }
    return end_ > 0;
}

std::optional<LineReader::Line> LineReader::next() {
    line_.clear();
    bool truncated = false;
    bool sawAnything = false;
    for (;;) {
        if (begin_ == end_ && !fill()) {
            break;
        }
        sawAnything = true;
        const char* start = block_.data() + begin_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        const std::size_t length =
            newline ? static_cast<std::size_t>(newline - start) : end_ - begin_;
        const std::size_t room = kMaxLine - line_.size();
        if (length > room) {
            truncated = true;
        }
        line_.append(start, length < room ? length : room);
        begin_ += length;
        if (newline) {
            ++begin_;
            break;
        }
    }
    if (!sawAnything) {
        return std::nullopt;
    }
    std::string_view text = line_;
    if (!truncated && !text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    return Line{text, truncated};
}

}  // namespace hueloupe::cli
