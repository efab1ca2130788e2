// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace hueloupe {

// Collects output in a buffer on the stack and hands it to a string in large pieces, so
// that writing a short text costs one append to the string. flush() before reading it.
class TextSink {
public:
    static constexpr std::size_t capacity = 256;

    explicit TextSink(std::string& out) : out_(out) {}
    TextSink(const TextSink&) = delete;
    TextSink& operator=(const TextSink&) = delete;
    ~TextSink() { flush(); }

    void append(std::string_view text) {
        if (text.size() > capacity - used_) {
            flush();
            out_.append(text);
            return;
        }
        std::memcpy(buffer_.data() + used_, text.data(), text.size());
        used_ += text.size();
    }

    void push(char c) {
        if (used_ == capacity) {
            flush();
        }
        buffer_[used_++] = c;
    }

    // Room for count characters (count <= capacity); write them, then commit.
    char* room(std::size_t count) {
        if (count > capacity - used_) {
            flush();
        }
        return buffer_.data() + used_;
    }
    void commit(std::size_t count) { used_ += count; }

    // Removes the last character written so far.
    void dropLast() {
        if (used_ > 0) {
            --used_;
        } else if (!out_.empty()) {
            out_.pop_back();
        }
    }

    void flush() {
        out_.append(buffer_.data(), used_);
        used_ = 0;
    }

private:
    std::string& out_;
    std::size_t used_ = 0;
    std::array<char, capacity> buffer_;
};

}  // namespace hueloupe
