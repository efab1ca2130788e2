// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hueloupe::cli {

// Reads a file descriptor in large blocks and hands out its lines without their line ends
// ("\n" or "\r\n"). A line longer than kMaxLine is cut there and flagged, so memory stays
// bounded. A read error ends the lines like the end of the stream, but is kept: see error().
//
// A read returns what is there, so a line typed or piped in is handed out as soon as it has
// arrived. Before a read that would wait for more input, beforeWaiting runs (the place to
// flush what has been answered so far); when it returns false the lines end there.
class LineReader {
public:
    static constexpr std::size_t kMaxLine = 1 << 20;

    struct Line {
        std::string_view text;
        bool truncated = false;
    };

    explicit LineReader(int fd, std::function<bool()> beforeWaiting = {})
        : fd_(fd), beforeWaiting_(std::move(beforeWaiting)), block_(1 << 16) {}

    // The next line, valid until the following call; nothing at the end of the stream.
    std::optional<Line> next();
    // The errno value of a failed read, or 0.
    int error() const { return error_; }

private:
    bool fill();
    bool waitUntilReadable(int timeoutMs);

    int fd_;
    std::function<bool()> beforeWaiting_;
    std::vector<char> block_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool done_ = false;
    int error_ = 0;
    std::string line_;
};

}  // namespace hueloupe::cli
