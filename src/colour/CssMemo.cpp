#include "colour/CssMemo.h"

#include <cstring>
#include <limits>

namespace hueloupe {

namespace {

constexpr std::uint64_t kSeed = 0x9E3779B97F4A7C15u;
constexpr std::uint64_t kMultiplier = 0xD6E8FEB86659FD93u;
constexpr std::size_t kInitialSlots = 64;

std::uint64_t mix(std::uint64_t h, std::uint64_t word) {
    h = (h ^ word) * kMultiplier;
    return h ^ (h >> 32);
}

std::uint64_t loadWord(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The last 1..7 bytes as one word, without reading past them.
std::uint64_t loadTail(const char* p, std::size_t n) {
    std::uint64_t word = 0;
    if (n >= 4) {
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        std::memcpy(&low, p, 4);
        std::memcpy(&high, p + n - 4, 4);
        return low | (std::uint64_t{high} << ((n - 4) * 8));
    }
    for (std::size_t i = 0; i < n; ++i) {
        word |= std::uint64_t{static_cast<unsigned char>(p[i])} << (i * 8);
    }
    return word;
}

}  // namespace

std::uint64_t hashText(std::string_view text) {
    const char* p = text.data();
    std::size_t n = text.size();
    std::uint64_t h = kSeed ^ (n * kMultiplier);
    for (; n >= 8; n -= 8, p += 8) {
        h = mix(h, loadWord(p));
    }
    if (n > 0) {
        h = mix(h, loadTail(p, n));
    }
    h *= kSeed;
    return h ^ (h >> 29);
}

CssColorMemo::CssColorMemo(std::size_t maxEntries, std::size_t maxKeyBytes)
    : maxEntries_(maxEntries), maxKeyBytes_(maxKeyBytes) {}

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
        const std::uint32_t index = slots_[slot];
        if (index == 0) {
            return slot;
        }
        const Entry& entry = entries_[index - 1];
        if (entry.hash == hash && keyOf(entry) == key) {
            return slot;
        }
    }
}

const ColorValue* CssColorMemo::find(std::string_view key) const {
    if (slots_.empty() || key.size() > maxKeyBytes_) {
        return nullptr;
    }
    const std::uint32_t index = slots_[slotOf(key, static_cast<std::uint32_t>(hashText(key)))];
    return index == 0 ? nullptr : &entries_[index - 1].color;
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
    slots_[slot] = static_cast<std::uint32_t>(entries_.size());
    return true;
}

void CssColorMemo::grow() {
    std::vector<std::uint32_t> slots(slots_.empty() ? kInitialSlots : slots_.size() * 2, 0);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::size_t slot = entries_[i].hash & mask;
        while (slots[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        slots[slot] = static_cast<std::uint32_t>(i + 1);
    }
    slots_.swap(slots);
}

}  // namespace hueloupe
