// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "ColorValue.h"
#include "Renderer.h"
#include "Tokenizer.h"

namespace hueloupe {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double maxDouble = std::numeric_limits<double>::max();

// Also appended to a string that holds text already.
void expectRendered(const ColorValue& color, const std::string& format, const std::string& text) {
    SCOPED_TRACE(format);
    EXPECT_EQ(render(tokenize(format), color), text);
    std::string out(200, 'y');
    renderInto(tokenize(format), color, out);
    EXPECT_EQ(out, std::string(200, 'y') + text);
}

TokenList decimalRed(std::int64_t precision) {
    return {ComponentToken{ColorComponent::red, ColorOutputStyle::decimal, precision}};
}

// Rounding half away from zero, hue ties to the earlier component, the hexadecimal styles,
// and printf's fixed notation with the zeros at the end of the fraction trimmed.
TEST(Render, WritesEachStyle) {
    const struct {
        ColorValue color;
        std::string format, text;
    } cases[] = {
        {{188 / 255.0, 227 / 255.0, 104 / 255.0, 1},
         "#{rr}{gg}{bb}|#{rx}{gx}{bx}|{r.} {g.} {b.}",
         "#bce368|#be6|0.7373 0.8902 0.4078"},
        {{188 / 255.0, 227 / 255.0, 104 / 255.0, 1},
         "rgba({r}, {g}, {b}, {a})|hsl({h}, {s}%, {l}%)",
         "rgba(188, 227, 104, 1.0)|hsl(79, 69%, 65%)"},
        {{1, 1, 1, 1}, "{h} {s} {l}|{rr}{gg}{bb}|{rx}{gx}{bx}|{r.}", "0 0 100|ffffff|fff|1.0"},
        {{0, 0, 0, 0}, "rgba({r}, {g}, {b}, {a})|{r.}|{a.0}", "rgba(0, 0, 0, 0.0)|0.0|0"},
        {{0.5, 0.5, 0.5, 0.5}, "{rr}|{rx}|{r}|{a}|{h} {s} {l}", "80|8|128|0.5|0 0 50"},
        {{1, 0, 0, 0.25}, "{a}|{a%}|{RR}|{Rx}{rx}|{a.1}|{}{q}{r", "0.25|25|FF|Ff|0.2|{}{q}{r"},
        {{0.2, 0.4, 0.6, 0.8}, "{h} {s} {l}|{h.}|{r.} {g.} {a}", "210 50 40|0.5833|0.2 0.4 0.8"},
        {{15 / 255.0, 171 / 255.0, 0, 1}, "{RR}{GG}{bX}|x{rx}y", "0FAB{bX}|x0y"},
        {{1, 0, 0.008, 1}, "{h}|{h.}", "360|0.9987"},
        {{0.9, 0.8, 0.7, 1}, "{h} {s} {l}|{h.6} {s.6} {l.6}", "30 50 80|0.083333 0.5 0.8"},
        {{0.7, 0.35, 0.105, 1}, "{r.0}|{g.1}|{b.2}|{a.0}", "1|0.3|0.1|1"},
        {{0.5, 0.1, 0.99999, 0.004}, "{r.0}|{G.}|{b.2}|{a}", "0|0.1|1.0|0.0"},
        {{0, 0.1, 0, 1}, "{g.20}", "0.10000000000000000555"}};
    for (const auto& c : cases) {
        expectRendered(c.color, c.format, c.text);
    }
}

// Not clamped; NaN rounds to 0, too large values saturate at the int64 limits, negative values
// are 0 in hexadecimal, and the decimal style prints what printf prints.
TEST(Render, WritesDefinedTextForAnyComponent) {
    expectRendered({nan, inf, -inf, nan},
                   "{r}|{rr}|{rx}|{r%}|{r.}|{g}|{GG}|{gx}|{g.}|{b}|{bb}|{bx}|{b.}|{a}|{a%}",
                   "0|00|0|0|nan|9223372036854775807|7FFFFFFFFFFFFFFF|7ffffffffffffff|inf|"
                   "-9223372036854775808|00|0|-inf|nan|0");
    expectRendered({2, 256 / 255.0, -0.5, 1},
                   "{rr}|{Rx}|{r}|{r%}|{r.}|{gg}|{Gx}|{bb}|{bx}|{b}|{b%}|{b.}",
                   "1fe|1F|510|200|2.0|100|10|00|0|-128|-50|-0.5");
    expectRendered({2, 0, 0, 1}, "{h}|{l}|{s}", "0|100|9223372036854775807");
    // Where one byte ends: 255.5 and more take three digits; halves round up from 0.
    expectRendered({255.5 / 255, std::nextafter(255.5 / 255, 0.0), 254.5 / 255, 1},
                   "{rr}|{gg}|{bb}|{rx}|{gx}", "100|ff|ff|10|f");
    expectRendered({-0.4 / 255, 0.5 / 255, 0.49999 / 255, 1}, "{rr}|{gg}|{bb}", "00|01|00");
    expectRendered({1e300, -1e300, -0.0, 1}, "{r}|{rr}|{g}|{gg}|{bb}|{b}|{b.}",
                   "9223372036854775807|7fffffffffffffff|-9223372036854775808|00|00|0|-0.0");
    // Precision 0 keeps the integer digits: only zeros after a point are trimmed.
    expectRendered({10, 100, 20.5, -0.2}, "{r.0}|{g.0}|{b.0}|{a.0}", "10|100|20|-0");
    // Precisions beyond what a double shows give the exact expansion, not a huge buffer.
    expectRendered({1e6, 0.1, 1, 1}, "{r.3}|{g.999999999}|{b.123456789012}",
                   "1000000.0|0.1000000000000000055511151231257827021181583404541015625|1.0");
    // Hand-made token lists may carry precisions the tokenizer never makes.
    for (const std::int64_t precision :
         {std::int64_t{-1}, std::numeric_limits<std::int64_t>::min()}) {
        EXPECT_EQ(render(decimalRed(precision), ColorValue{0.7, 0, 0, 1}), "1");
    }
}

// printf's "%.Nf" with the zeros at the end of the fraction trimmed.
std::string printfDecimal(double v, int precision) {
    std::string text(static_cast<std::size_t>(precision) + 400, '\0');
    text.resize(
        static_cast<std::size_t>(std::snprintf(text.data(), text.size(), "%.*f", precision, v)));
    const std::size_t end =
        text.find('.') == std::string::npos ? text.size() : text.find_last_not_of('0') + 1;
    return text.substr(0, end) + (text[end - 1] == '.' ? "0" : "");
}

TEST(Render, DecimalStyleAgreesWithPrintf) {
    // Halves and values just beside them first, then random ones.
    std::vector<double> values = {0.5,      1.5,   2.5,     0.125,      0.005,       0.015,
                                  1.005,    2.675, 0.45,    1e-5,       0.99995,     0.999995,
                                  123.4565, 0.7,   1.0 / 3, 1e15 + 0.5, 0x1p52 - 0.5};
    std::mt19937_64 random(2024);
    for (int i = 0; i < 2000; ++i) {
        values.push_back(i % 3 == 0 ? static_cast<double>(random() % 256) / 255.0
                                    : std::ldexp(static_cast<double>(random() >> 11), -53) *
                                          std::pow(10.0, static_cast<int>(random() % 61) - 30));
    }
    for (const double v : values) {
        for (int precision = 0; precision <= 20; ++precision) {
            for (const double signedValue : {v, -v}) {
                ASSERT_EQ(render(decimalRed(precision), ColorValue{signedValue, 0, 0, 1}),
                          printfDecimal(signedValue, precision))
                    << signedValue << " at " << precision;
            }
        }
    }
    // The extremes need all 1074 decimals, and no more are ever written.
    for (const double v : {std::numeric_limits<double>::denorm_min(), -maxDouble}) {
        const std::string all = printfDecimal(v, 1074);
        EXPECT_EQ(render(tokenize("{r.1074}|{r.5000}|{r.99999999999999999999999}"), {v, 0, 0, 1}),
                  all + "|" + all + "|" + all);
    }
}

// With a NaN component no component equals the maximum: one warning per render, to standard
// error unless given another log, and the hue taken from lightness. Ties and greys are fine.
TEST(Render, WarnsOncePerRenderWhenNoComponentIsTheMaximum) {
    static std::vector<std::string> loggedLines;
    const LogFunction logForTest = [](std::string_view line) { loggedLines.emplace_back(line); };
    EXPECT_EQ(render(tokenize("{h}|{s}|{l}|{g}"), ColorValue{nan, 0.5, 0.2, 1}, logForTest),
              "0|0|0|128");
    std::string out;
    renderInto(tokenize("{gg}"), ColorValue{nan, 1, 0, 1}, out, logForTest);
    EXPECT_EQ(out, "ff");
    for (const ColorValue& color : {ColorValue{0, 0, 0, 1}, {1, 0, 1, 1}, {2, -1, 0.5, 1}}) {
        render(tokenize("{h} {s} {l}"), color, logForTest);
    }
    EXPECT_EQ(loggedLines, std::vector<std::string>(2, "*** hsl values may be inaccurate"));
    testing::internal::CaptureStderr();
    render(tokenize("{h}"), ColorValue{nan, nan, nan, 1});
    render(tokenize("{h}"), ColorValue{nan, nan, nan, 1}, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "*** hsl values may be inaccurate\n");
}

}  // namespace
}  // namespace hueloupe
