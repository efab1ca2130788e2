// SPDX-License-Identifier: MIT
#include "CssMemo.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "WordLoads.h"

namespace hueloupe {

namespace {

constexpr std::uint64_t kSeed = 0x9E3779B97F4A7C15u;
constexpr std::uint64_t kMultiplier = 0xD6E8FEB86659FD93u;
constexpr std::size_t kInitialSlots = 64;

std::uint64_t mix(std::uint64_t h, std::uint64_t word) {
    h = (h ^ word) * kMultiplier;
    return h ^ (h >> 32);
}

// A slot holds the key's hash above and the entry index + 1 below; 0 marks a free slot. The
// hash lets a probe pass over other keys without reading their entries.
std::uint64_t packSlot(std::uint32_t hash, std::size_t index) {
    return (std::uint64_t{hash} << 32) | (index + 1);
}

std::size_t entryIndex(std::uint64_t slot) {
    return static_cast<std::uint32_t>(slot) - 1;
}

}  // namespace

std::uint64_t hashText(std::string_view text) {
    const char* p = text.data();
    const std::size_t n = text.size();
    std::uint64_t h = kSeed ^ (n * kMultiplier);
    if (n <= 8) {
        h = mix(h, words::loadUpTo8(p, n));
    } else {
        for (std::size_t i = 0; i + 8 < n; i += 8) {
            h = mix(h, words::load8(p + i));
        }
        h = mix(h, words::load8(p + n - 8));  // the last eight bytes, overlapping
    }
    h *= kSeed;
    return h ^ (h >> 29);
}

CssColorMemo::CssColorMemo(std::size_t maxEntries, std::size_t maxKeyBytes)
    // Entry indices + 1 must fit in the low half of a slot.
    : maxEntries_(std::min<std::size_t>(maxEntries, std::numeric_limits<std::uint32_t>::max() - 1)),
      maxKeyBytes_(maxKeyBytes) {}

std::string_view CssColorMemo::keyOf(const Entry& entry) const {
    if (entry.keyLength <= kInlineKeyBytes) {
        return std::string_view(entry.key, entry.keyLength);
    }
    std::uint32_t offset = 0;
    std::memcpy(&offset, entry.key, sizeof offset);
    return std::string_view(keys_.data() + offset, entry.keyLength);
}

// The slot holding key, or the free slot where it would go. The table is never more than
// half full, so a free slot always ends the probe.
std::size_t CssColorMemo::slotOf(std::string_view key, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint64_t packed = slots_[slot];
        if (packed == 0) {
            return slot;
        }
        if ((packed >> 32) != hash) {
            continue;
        }
        const Entry& entry = entries_[entryIndex(packed)];
        if (entry.keyLength == key.size() &&
            words::equalBytes(keyOf(entry).data(), key.data(), key.size())) {
            return slot;
        }
    }
}

const ColorValue* CssColorMemo::find(std::string_view key) const {
    if (slots_.empty() || key.size() > maxKeyBytes_) {
        return nullptr;
    }
    const std::uint64_t packed = slots_[slotOf(key, static_cast<std::uint32_t>(hashText(key)))];
    return packed == 0 ? nullptr : &entries_[entryIndex(packed)].color;
}

bool CssColorMemo::insert(std::string_view key, const ColorValue& color) {
    if (key.size() > maxKeyBytes_ || entries_.size() >= maxEntries_ ||
        keys_.size() + key.size() > std::numeric_limits<std::uint32_t>::max()) {
        return false;
    }
    if ((entries_.size() + 1) * 2 > slots_.size()) {
        grow();
    }
    const auto hash = static_cast<std::uint32_t>(hashText(key));
    const std::size_t slot = slotOf(key, hash);
    if (slots_[slot] != 0) {
        return false;
    }
    Entry entry{hash, static_cast<std::uint32_t>(key.size()), color, {}};
    if (key.size() <= kInlineKeyBytes) {
        std::memcpy(entry.key, key.data(), key.size());
    } else {
        const auto offset = static_cast<std::uint32_t>(keys_.size());
        std::memcpy(entry.key, &offset, sizeof offset);
        keys_.append(key);
    }
    entries_.push_back(entry);
    slots_[slot] = packSlot(hash, entries_.size() - 1);
    return true;
}

void CssColorMemo::grow() {
    std::vector<std::uint64_t> slots(slots_.empty() ? kInitialSlots : slots_.size() * 2, 0);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::size_t slot = entries_[i].hash & mask;
        while (slots[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        slots[slot] = packSlot(entries_[i].hash, i);
    }
    slots_.swap(slots);
}

}  // namespace hueloupe
