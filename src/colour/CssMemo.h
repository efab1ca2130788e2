// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ColorValue.h"

namespace hueloupe {

// The parser's memo: lower-cased text to colour, in one flat open-addressing table of entry
// indices over cache-line-sized entries that hold short keys inline, so that a hit costs one
// hash and about two memory reads. Entries are never removed; it refuses new entries once it
// holds maxEntries, and keys longer than maxKeyBytes.
class CssColorMemo {
public:
    CssColorMemo(std::size_t maxEntries, std::size_t maxKeyBytes);

    // The stored colour, or nullptr. Valid until the next insert.
    const ColorValue* find(std::string_view key) const;

    // Stores the colour unless the key is present, too long, or the memo is full.
    bool insert(std::string_view key, const ColorValue& color);

    std::size_t size() const { return entries_.size(); }

private:
    static constexpr std::size_t kInlineKeyBytes = 24;

    struct alignas(64) Entry {
        std::uint32_t hash;
        std::uint32_t keyLength;
        ColorValue color;
        // The key itself when it fits, otherwise its offset in keys_ (as a std::uint32_t).
        char key[kInlineKeyBytes];
    };

    std::string_view keyOf(const Entry& entry) const;
    std::size_t slotOf(std::string_view key, std::uint32_t hash) const;
    void grow();

    std::size_t maxEntries_;
    std::size_t maxKeyBytes_;
    std::vector<std::uint64_t> slots_;  // hash and entry index + 1; 0 marks a free slot
    std::vector<Entry> entries_;
    std::string keys_;  // every key, back to back
};

// A fast, well-mixed 64-bit hash of a short text.
std::uint64_t hashText(std::string_view text);

}  // namespace hueloupe
