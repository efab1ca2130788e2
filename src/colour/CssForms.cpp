// SPDX-License-Identifier: MIT
#include "CssForms.h"

#include <array>
#include <cstdint>

#include "CssNumbers.h"
#include "CssPatterns.h"

namespace hueloupe::css {

namespace {

double hexComponent(std::string_view digits) {
    return readHex(digits) / 255.0;
}

// A one-digit group stands for the digit written twice ("a" reads as "aa").
double doubledHexComponent(std::string_view digit) {
    return (readHex(digit) * 17u) / 255.0;
}

double fraction(std::string_view group) {
    const double number = readDecimal(group);
    return group.find('%') != std::string_view::npos ? number / 100.0 : number;
}

// The shortcut's numbers: up to five digits, then optionally '.' and up to five digits.
constexpr std::ptrdiff_t kMaxRun = 5;
constexpr std::array<double, kMaxRun + 1> kPowersOfTen = {1.0, 10.0, 100.0, 1e3, 1e4, 1e5};

bool isDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

bool isSpace(char c) {
    return c == ' ' || static_cast<unsigned char>(c - '\t') < 5;  // \t \n \v \f \r
}

class WholeFormReader {
public:
    explicit WholeFormReader(std::string_view text)
        : p_(text.data()), end_(text.data() + text.size()) {}

    bool take(char c) {
        if (p_ == end_ || *p_ != c) {
            return false;
        }
        ++p_;
        return true;
    }

    bool atEnd() const { return p_ == end_; }

    // A number as readDecimal reads it: exact, as at most ten digits make an exact mantissa.
    bool number(double& value) {
        std::uint64_t mantissa = 0;
        const std::ptrdiff_t integerDigits = digits(mantissa);
        std::ptrdiff_t fractionDigits = 0;
        if (take('.')) {
            fractionDigits = digits(mantissa);
        }
        if (integerDigits > kMaxRun || fractionDigits > kMaxRun ||
            integerDigits + fractionDigits == 0 || (p_ != end_ && *p_ == '.')) {
            return false;
        }
        const auto exact = static_cast<double>(mantissa);
        value = fractionDigits == 0 ? exact : exact / kPowersOfTen[fractionDigits];
        return true;
    }

    // A number that may carry '%', as a fraction when it does.
    bool percentable(double& value) {
        if (!number(value)) {
            return false;
        }
        if (take('%')) {
            value = value / 100.0;
        }
        return true;
    }

    bool comma() {
        if (!take(',')) {
            return false;
        }
        while (p_ != end_ && isSpace(*p_)) {
            ++p_;
        }
        return true;
    }

private:
    // Reads digits into mantissa. Past 19 digits the mantissa wraps, but then the count
    // exceeds the limit and the caller gives up.
    std::ptrdiff_t digits(std::uint64_t& mantissa) {
        const char* const first = p_;
        for (; p_ != end_ && isDigit(*p_); ++p_) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p_ - '0');
        }
        return p_ - first;
    }

    const char* p_;
    const char* end_;
};

bool allHex(std::string_view text) {
    for (const char c : text) {
        if (!isDigit(c) && static_cast<unsigned char>(c - 'a') >= 6) {
            return false;
        }
    }
    return true;
}

std::optional<ColorValue> wholeHexForm(std::string_view text) {
    const bool hash = !text.empty() && text[0] == '#';
    const std::string_view digits = hash ? text.substr(1) : text;
    if (!allHex(digits)) {
        return std::nullopt;
    }
    if (digits.size() == 6) {
        return ColorValue{hexComponent(digits.substr(0, 2)), hexComponent(digits.substr(2, 2)),
                          hexComponent(digits.substr(4, 2)), 1.0};
    }
    if (digits.size() == 3 && hash) {
        return ColorValue{doubledHexComponent(digits.substr(0, 1)),
                          doubledHexComponent(digits.substr(1, 1)),
                          doubledHexComponent(digits.substr(2, 1)), 1.0};
    }
    return std::nullopt;
}

std::optional<ColorValue> wholeFunctionalForm(std::string_view text) {
    const bool hsl = text.starts_with("hsl");
    if (!hsl && !text.starts_with("rgb")) {
        return std::nullopt;
    }
    WholeFormReader reader(text.substr(3));
    reader.take('a');
    double first = 0.0;
    double second = 0.0;
    double third = 0.0;
    double alpha = 1.0;
    const bool arguments =
        reader.take('(') && reader.number(first) && reader.comma() &&
        (hsl ? reader.percentable(second) : reader.number(second)) && reader.comma() &&
        (hsl ? reader.percentable(third) : reader.number(third)) &&
        (!reader.comma() || reader.number(alpha)) && reader.take(')') && reader.atEnd();
    if (!arguments) {
        return std::nullopt;
    }
    if (hsl) {
        ColorValue color = colorFromHSL(first, second, third);
        color.alpha = alpha;
        return color;
    }
    return ColorValue{first / 255.0, second / 255.0, third / 255.0, alpha};
}

}  // namespace

std::optional<ColorValue> searchNumericForm(std::string_view text) {
    const Searcher searcher(text);
    if (const auto m = searcher.search(Pattern::hex6)) {
        return ColorValue{hexComponent(m->groups[0]), hexComponent(m->groups[1]),
                          hexComponent(m->groups[2]), 1.0};
    }
    if (const auto m = searcher.search(Pattern::hex3)) {
        return ColorValue{doubledHexComponent(m->groups[0]), doubledHexComponent(m->groups[1]),
                          doubledHexComponent(m->groups[2]), 1.0};
    }
    if (const auto m = searcher.search(Pattern::rgb)) {
        const double alpha = m->fourthGroupMatched ? readDecimal(m->groups[3]) : 1.0;
        return ColorValue{readDecimal(m->groups[0]) / 255.0, readDecimal(m->groups[1]) / 255.0,
                          readDecimal(m->groups[2]) / 255.0, alpha};
    }
    if (const auto m = searcher.search(Pattern::hsl)) {
        ColorValue color =
            colorFromHSL(readDecimal(m->groups[0]), fraction(m->groups[1]), fraction(m->groups[2]));
        color.alpha = m->fourthGroupMatched ? readDecimal(m->groups[3]) : 1.0;
        return color;
    }
    return std::nullopt;
}

std::optional<ColorValue> wholeTextForm(std::string_view text) {
    if (text.size() <= 7) {
        if (auto colour = wholeHexForm(text)) {
            return colour;
        }
    }
    return wholeFunctionalForm(text);
}

}  // namespace hueloupe::css
