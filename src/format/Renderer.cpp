// SPDX-License-Identifier: MIT
#include "Renderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>
#include <variant>

#include "NumberText.h"

namespace hueloupe {

namespace {

constexpr std::string_view hslWarning = "*** hsl values may be inaccurate";

using ComponentValues = std::array<double, 7>;

double& valueOf(ComponentValues& values, ColorComponent component) {
    return values[static_cast<std::size_t>(component)];
}

struct Hsl {
    double hue = 0.0;  // a fraction of a full turn
    double saturation = 0.0;
    double lightness = 0.0;
};

// The usual HSL formulas. A tie between maxima goes to the earlier of red, green, blue,
// and the hue is not wrapped, so it may reach a full turn.
Hsl hslFrom(double r, double g, double b, LogFunction log) {
    // std::max/std::min keep the first argument when a comparison involves NaN.
    const double max = std::max(std::max(r, g), b);
    const double min = std::min(std::min(r, g), b);
    Hsl hsl;
    hsl.lightness = (max + min) * 0.5;
    if (max == min) {
        return hsl;  // achromatic
    }
    const double d = max - min;
    hsl.saturation = d / (hsl.lightness > 0.5 ? 2 - max - min : max + min);
    const bool redMax = r == max;
    const bool greenMax = !redMax && g == max;
    if (!redMax && !greenMax && !(b == max)) {
        // Only reachable when a component is NaN.
        if (log != nullptr) {
            log(hslWarning);
        }
        hsl.hue = hsl.lightness / 6;
        return hsl;
    }
    // Chosen without branches: which component is largest is hard to predict.
    const double numerator = redMax ? g - b : greenMax ? b - r : r - g;
    const double offset = redMax ? (g < b ? 6.0 : 0.0) : greenMax ? 2.0 : 4.0;
    hsl.hue = (numerator / d + offset) / 6;
    return hsl;
}

bool isHslComponent(const ColorToken& token) {
    const auto* component = std::get_if<ComponentToken>(&token);
    return component != nullptr && (component->component == ColorComponent::hue ||
                                    component->component == ColorComponent::saturation ||
                                    component->component == ColorComponent::lightness);
}

// red, green, blue and alpha as given, with hue, saturation and lightness. Those are left
// out when no token reads them, unless a component is NaN: then computing them is what
// reports the inaccurate values, so it always happens.
ComponentValues componentValues(const TokenList& tokens, const ColorValue& color, LogFunction log) {
    ComponentValues values{};
    valueOf(values, ColorComponent::red) = color.red;
    valueOf(values, ColorComponent::green) = color.green;
    valueOf(values, ColorComponent::blue) = color.blue;
    valueOf(values, ColorComponent::alpha) = color.alpha;
    const bool hasNaN = std::isnan(color.red) || std::isnan(color.green) || std::isnan(color.blue);
    if (hasNaN || std::any_of(tokens.begin(), tokens.end(), isHslComponent)) {
        const Hsl hsl = hslFrom(color.red, color.green, color.blue, log);
        valueOf(values, ColorComponent::hue) = hsl.hue;
        valueOf(values, ColorComponent::saturation) = hsl.saturation;
        valueOf(values, ColorComponent::lightness) = hsl.lightness;
    }
    return values;
}

void appendComponent(std::string& out, const ComponentToken& token, const ComponentValues& values) {
    const double v = values[static_cast<std::size_t>(token.component)];
    switch (token.style) {
        case ColorOutputStyle::twoDigitHex:
            appendHex(out, roundToInt64(v * 255), token.uppercase);
            break;
        case ColorOutputStyle::oneDigitHex:
            appendHex(out, roundToInt64(v * 255), token.uppercase);
            out.pop_back();  // leaves the high digit of a two-digit value
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

}  // namespace

void logToStandardError(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
}

void renderInto(const TokenList& tokens, const ColorValue& color, std::string& out,
                LogFunction log) {
    const ComponentValues values = componentValues(tokens, color, log);
    for (const ColorToken& token : tokens) {
        if (const auto* literal = std::get_if<LiteralToken>(&token)) {
            out.append(literal->text);
        } else {
            appendComponent(out, std::get<ComponentToken>(token), values);
        }
    }
}

std::string render(const TokenList& tokens, const ColorValue& color, LogFunction log) {
    std::string out;
    renderInto(tokens, color, out, log);
    return out;
}

}  // namespace hueloupe
