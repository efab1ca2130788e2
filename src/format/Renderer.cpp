#include "format/Renderer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <type_traits>
#include <utility>

namespace hueloupe {

namespace {

constexpr std::string_view hslWarning = "*** hsl values may be inaccurate";

// A double has at most 1074 fractional decimal digits (2^-1074); printing more only adds
// zeros, which trimming removes again, so precisions are capped there.
constexpr std::int64_t maxDecimalPrecision = 1074;
// Sign, 309 integer digits of the largest double, the point and 1074 decimals.
constexpr std::size_t fixedBufferSize = 1 + 309 + 1 + maxDecimalPrecision + 16;

LogHandler& installedLogHandler() {
    static LogHandler handler;
    return handler;
}

void logLine(std::string_view line) {
    const LogHandler& handler = installedLogHandler();
    if (handler) {
        handler(line);
        return;
    }
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
}

using ComponentValues = std::array<double, 7>;

double& valueOf(ComponentValues& values, ColorComponent component) {
    return values[static_cast<std::size_t>(component)];
}

// red, green, blue and alpha as given; hue (a fraction of a turn), saturation and lightness
// from the usual HSL formulas. A tie between maxima goes to the earlier of red, green, blue;
// the hue is not wrapped, so it may reach a full turn.
ComponentValues componentValues(const ColorValue& color) {
    const double r = color.red;
    const double g = color.green;
    const double b = color.blue;
    // std::max/std::min keep the first argument when a comparison involves NaN.
    const double max = std::max(std::max(r, g), b);
    const double min = std::min(std::min(r, g), b);
    const double lightness = (max + min) * 0.5;
    double hue = 0.0;
    double saturation = 0.0;
    if (max != min) {
        const double d = max - min;
        saturation = lightness > 0.5 ? d / (2 - max - min) : d / (max + min);
        double h = 0.0;
        if (r == max) {
            h = (g - b) / d + (g < b ? 6.0 : 0.0);
        } else if (g == max) {
            h = (b - r) / d + 2;
        } else if (b == max) {
            h = (r - g) / d + 4;
        } else {
            // Only reachable when a component is NaN.
            logLine(hslWarning);
            h = lightness;
        }
        hue = h / 6;
    }
    ComponentValues values{};
    valueOf(values, ColorComponent::red) = r;
    valueOf(values, ColorComponent::green) = g;
    valueOf(values, ColorComponent::blue) = b;
    valueOf(values, ColorComponent::hue) = hue;
    valueOf(values, ColorComponent::saturation) = saturation;
    valueOf(values, ColorComponent::lightness) = lightness;
    valueOf(values, ColorComponent::alpha) = color.alpha;
    return values;
}

// Rounds half away from zero. NaN gives 0; values beyond the int64 range saturate at its
// limits (so do the infinities).
std::int64_t roundToInt64(double x) {
    constexpr double twoTo63 = 9223372036854775808.0;
    const double rounded = std::round(x);
    if (std::isnan(rounded)) {
        return 0;
    }
    if (rounded >= twoTo63) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (rounded < -twoTo63) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(rounded);
}

// At least two digits, as many as needed; negative values are written as 0.
void appendHex(std::string& out, std::int64_t n, bool uppercase) {
    constexpr std::string_view lower = "0123456789abcdef";
    constexpr std::string_view upper = "0123456789ABCDEF";
    const std::string_view digits = uppercase ? upper : lower;
    std::array<char, 16> buffer{};
    auto value = static_cast<std::uint64_t>(std::max<std::int64_t>(n, 0));
    char* const end = buffer.data() + buffer.size();
    char* begin = end;
    do {
        *--begin = digits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    if (end - begin < 2) {
        *--begin = '0';
    }
    out.append(begin, end);
}

void appendInteger(std::string& out, std::int64_t n) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n);
    out.append(buffer.data(), result.ptr);
}

// Trailing zeros of the fraction are removed, keeping at least one digit after the point.
std::string_view trimFraction(std::string_view text) {
    if (text.find('.') == std::string_view::npos) {
        return text;
    }
    while (text.back() == '0') {
        text.remove_suffix(1);
    }
    return text;
}

// printf's "%.Nf" (to_chars prints the same digits: exact value, round half to even),
// then trimmed. Non-finite values print as "inf", "-inf" or "nan".
void appendDecimal(std::string& out, double v, std::int64_t precision) {
    const auto digits =
        static_cast<int>(std::clamp<std::int64_t>(precision, 0, maxDecimalPrecision));
    std::array<char, fixedBufferSize> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                      std::chars_format::fixed, digits);
    if (result.ec != std::errc{} || result.ptr == buffer.data()) {
        out.push_back('0');  // not reached: the buffer holds any double at this precision
        return;
    }
    const std::string_view text = trimFraction(
        std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())));
    out.append(text);
    if (text.back() == '.') {
        out.push_back('0');
    }
}

void appendComponent(std::string& out, const ComponentToken& token, const ComponentValues& values) {
    const double v = values[static_cast<std::size_t>(token.component)];
    switch (token.style) {
        case ColorOutputStyle::twoDigitHex:
            appendHex(out, roundToInt64(v * 255), token.uppercase);
            break;
        case ColorOutputStyle::oneDigitHex:
            appendHex(out, roundToInt64(v * 255), token.uppercase);
            out.pop_back();  // keeps the high digit of a two-digit value
            break;
        case ColorOutputStyle::integer:
            appendInteger(out,
                          roundToInt64(v * (token.component == ColorComponent::hue ? 360 : 255)));
            break;
        case ColorOutputStyle::percent:
            appendInteger(out, roundToInt64(v * 100));
            break;
        case ColorOutputStyle::decimal:
            appendDecimal(out, v, token.precision);
            break;
    }
}

// The usual length of a token's text, so that the output is allocated once.
std::size_t expectedLength(const ColorToken& token) {
    if (const auto* literal = std::get_if<LiteralToken>(&token)) {
        return literal->text.size();
    }
    const auto& component = std::get<ComponentToken>(token);
    switch (component.style) {
        case ColorOutputStyle::twoDigitHex:
            return 2;
        case ColorOutputStyle::oneDigitHex:
            return 1;
        case ColorOutputStyle::decimal:
            return static_cast<std::size_t>(std::clamp<std::int64_t>(component.precision, 0, 16)) +
                   2;
        default:
            return 3;
    }
}

}  // namespace

void renderInto(const TokenList& tokens, const ColorValue& color, std::string& out) {
    const ComponentValues values = componentValues(color);
    std::size_t expected = 0;
    for (const ColorToken& token : tokens) {
        expected += expectedLength(token);
    }
    out.reserve(out.size() + expected);
    for (const ColorToken& token : tokens) {
        if (const auto* literal = std::get_if<LiteralToken>(&token)) {
            out.append(literal->text);
        } else {
            appendComponent(out, std::get<ComponentToken>(token), values);
        }
    }
}

std::string render(const TokenList& tokens, const ColorValue& color) {
    std::string out;
    renderInto(tokens, color, out);
    return out;
}

void setLogHandler(LogHandler handler) {
    installedLogHandler() = std::move(handler);
}

}  // namespace hueloupe
