// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hueloupe::cli {

// Reads a stream in large blocks and hands out its lines without their line ends ("\n" or
// "\r\n"). A line longer than kMaxLine is cut there and flagged, so memory stays bounded.
// A read error ends the lines like the end of the stream, but is kept: see error().
class LineReader {
public:
    static constexpr std::size_t kMaxLine = 1 << 20;

    struct Line {
        std::string_view text;
        bool truncated = false;
    };

    explicit LineReader(std::FILE* stream) : stream_(stream), block_(1 << 16) {}

    // The next line, valid until the following call; nothing at the end of the stream.
    std::optional<Line> next();
    // The errno value of a failed read, or 0.
    int error() const { return error_; }

private:
    bool fill();

    std::FILE* stream_;
    std::vector<char> block_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool done_ = false;
    int error_ = 0;
    std::string line_;
};

}  // namespace hueloupe::cli
