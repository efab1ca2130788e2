#include "colour/CssColor.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "colour/CssForms.h"
#include "colour/CssMemo.h"
#include "colour/Lowercase.h"
#include "colour/NamedColors.h"

namespace hueloupe {

namespace {

// Per thread, so any thread may parse without locks; the application parses on one thread.
CssColorMemo& memo() {
    thread_local CssColorMemo table(kCssMemoMaxEntries, kCssMemoMaxTextBytes);
    return table;
}

// Reused for lower-casing so that a memo hit allocates nothing.
std::string& lowerBuffer() {
    thread_local std::string buffer;
    return buffer;
}

// A buffer grown by one huge text is given back rather than kept for the thread's life.
constexpr std::size_t kKeptBufferCapacity = 64 * 1024;

constexpr std::uint64_t kEveryByte = 0x0101010101010101u;

// Whether one of the eight bytes is non-ASCII or an ASCII capital. For a byte below 0x80,
// b + (0x80 - 'A') sets the top bit when b >= 'A' and b + (0x80 - 'Z' - 1) when b > 'Z';
// neither sum carries into the next byte.
bool wordNeedsLowering(std::uint64_t word) {
    constexpr std::uint64_t top = kEveryByte * 0x80;
    const std::uint64_t ascii = word & ~top;
    const std::uint64_t capital =
        (ascii + kEveryByte * (0x80 - 'A')) & ~(ascii + kEveryByte * (0x80 - 'Z' - 1));
    return ((word | capital) & top) != 0;
}

bool needsLowering(std::string_view text) {
    std::size_t pos = 0;
    for (; pos + 8 <= text.size(); pos += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + pos, sizeof word);
        if (wordNeedsLowering(word)) {
            return true;
        }
    }
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if ((c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<ColorValue> parseLowercasedCssColor(std::string_view lowercased) {
    std::optional<ColorValue> color = css::wholeFunctionalForm(lowercased);
    if (!color) {
        color = css::searchNumericForm(lowercased);
    }
    if (!color) {
        color = namedColor(lowercased);
    }
    if (!color) {
        return std::nullopt;
    }
    return ColorValue{clampComponent(color->red), clampComponent(color->green),
                      clampComponent(color->blue), clampComponent(color->alpha)};
}

std::optional<ColorValue> colorFromCSString(std::string_view text) {
    std::string_view key = text;
    std::string& buffer = lowerBuffer();
    if (needsLowering(text)) {
        buffer.clear();
        appendLowerUtf8(text, buffer);
        key = buffer;
    }
    CssColorMemo& table = memo();
    if (const ColorValue* hit = table.find(key)) {
        return *hit;
    }
    const std::optional<ColorValue> color = parseLowercasedCssColor(key);
    if (color) {
        table.insert(key, *color);
    }
    if (buffer.capacity() > kKeptBufferCapacity) {
        std::string().swap(buffer);
    }
    return color;
}

std::size_t cssColorMemoSize() {
    return memo().size();
}

}  // namespace hueloupe
