// SPDX-License-Identifier: MIT
#include "LineReader.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace hueloupe::cli {

bool LineReader::waitUntilReadable(int timeoutMs) {
    pollfd ready{fd_, POLLIN, 0};
    int n;
    while ((n = poll(&ready, 1, timeoutMs)) < 0 && errno == EINTR) {
    }
    return n != 0;  // a poll that fails lets the read itself tell what is wrong
}

bool LineReader::fill() {
    if (done_) {
        return false;
    }
    if (beforeWaiting_ && !waitUntilReadable(0) && !beforeWaiting_()) {
        done_ = true;
        return false;
    }
    begin_ = 0;
    ssize_t n;
    while ((n = read(fd_, block_.data(), block_.size())) < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            waitUntilReadable(-1);  // a non-blocking descriptor handed in
        } else if (errno != EINTR) {
            error_ = errno;  // the lines read so far are handed out, then nothing more
            break;
        }
    }
    end_ = n > 0 ? static_cast<std::size_t>(n) : 0;
    done_ = end_ == 0;
    return !done_;
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
