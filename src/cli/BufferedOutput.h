// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace hueloupe::cli {

// Collects output and hands it to the stream in large blocks.
class BufferedOutput {
public:
    static constexpr std::size_t kBlockSize = 1 << 16;

    explicit BufferedOutput(std::FILE* stream) : stream_(stream) {
        buffer_.reserve(2 * kBlockSize);
    }
    ~BufferedOutput() { flush(); }
    BufferedOutput(const BufferedOutput&) = delete;
    BufferedOutput& operator=(const BufferedOutput&) = delete;

    void write(std::string_view text) {
        buffer_.append(text);
        if (buffer_.size() >= kBlockSize) {
            flush();
        }
    }
    std::string& buffer() { return buffer_; }
    void flushIfFull() {
        if (buffer_.size() >= kBlockSize) {
            flush();
        }
    }
    void flush() {
        if (!buffer_.empty()) {
            std::fwrite(buffer_.data(), 1, buffer_.size(), stream_);
            buffer_.clear();
        }
        std::fflush(stream_);
    }

private:
    std::FILE* stream_;
    std::string buffer_;
};

}  // namespace hueloupe::cli
