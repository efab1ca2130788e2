#include "colour/CssColor.h"

#include <functional>
#include <string>
#include <unordered_map>

#include "colour/CssNumbers.h"
#include "colour/CssPatterns.h"
#include "colour/Lowercase.h"
#include "colour/NamedColors.h"

namespace hueloupe {

namespace {

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
        return std::hash<std::string_view>{}(text);
    }
};

using Memo = std::unordered_map<std::string, ColorValue, TextHash, std::equal_to<>>;

// Per thread, so any thread may parse without locks; the application parses on one thread.
Memo& memo() {
    thread_local Memo table;
    return table;
}

// Reused for lower-casing so that a memo hit allocates nothing.
std::string& lowerBuffer() {
    thread_local std::string buffer;
    return buffer;
}

// A buffer grown by one huge text is given back rather than kept for the thread's life.
constexpr std::size_t kKeptBufferCapacity = 64 * 1024;

bool needsLowering(std::string_view text) {
    for (const char c : text) {
        if ((c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80) {
            return true;
        }
    }
    return false;
}

double hexComponent(std::string_view digits) {
    return css::readHex(digits) / 255.0;
}

// A one-digit group stands for the digit written twice ("a" reads as "aa").
double doubledHexComponent(std::string_view digit) {
    return (css::readHex(digit) * 17u) / 255.0;
}

double fraction(std::string_view group) {
    const double number = css::readDecimal(group);
    return group.find('%') != std::string_view::npos ? number / 100.0 : number;
}

std::optional<ColorValue> numericForm(std::string_view text) {
    if (const auto m = css::search(css::Pattern::hex6, text)) {
        return ColorValue{hexComponent(m->groups[0]), hexComponent(m->groups[1]),
                          hexComponent(m->groups[2]), 1.0};
    }
    if (const auto m = css::search(css::Pattern::hex3, text)) {
        return ColorValue{doubledHexComponent(m->groups[0]), doubledHexComponent(m->groups[1]),
                          doubledHexComponent(m->groups[2]), 1.0};
    }
    if (const auto m = css::search(css::Pattern::rgb, text)) {
        const double alpha = m->fourthGroupMatched ? css::readDecimal(m->groups[3]) : 1.0;
        return ColorValue{css::readDecimal(m->groups[0]) / 255.0,
                          css::readDecimal(m->groups[1]) / 255.0,
                          css::readDecimal(m->groups[2]) / 255.0, alpha};
    }
    if (const auto m = css::search(css::Pattern::hsl, text)) {
        ColorValue color = colorFromHSL(css::readDecimal(m->groups[0]), fraction(m->groups[1]),
                                        fraction(m->groups[2]));
        color.alpha = m->fourthGroupMatched ? css::readDecimal(m->groups[3]) : 1.0;
        return color;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ColorValue> parseLowercasedCssColor(std::string_view lowercased) {
    std::optional<ColorValue> color = numericForm(lowercased);
    if (!color) {
        color = namedColor(lowercased);
        if (!color) {
            return std::nullopt;
        }
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
    const bool memoisable = key.size() <= kCssMemoMaxTextBytes;
    Memo& table = memo();
    if (memoisable) {
        if (const auto hit = table.find(key); hit != table.end()) {
            return hit->second;
        }
    }
    const std::optional<ColorValue> color = parseLowercasedCssColor(key);
    if (color && memoisable && table.size() < kCssMemoMaxEntries) {
        table.emplace(key, *color);
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
