#include <gtest/gtest.h>

#include <string>

#include "TokenTestSupport.h"
#include "colour/ColorValue.h"
#include "format/Renderer.h"
#include "format/Tokenizer.h"

namespace hueloupe::test {
namespace {

struct RenderCase {
    ColorValue color;
    std::string format;
    std::string expected;
};

void PrintTo(const RenderCase& c, std::ostream* os) {
    *os << '(' << c.color.red << ", " << c.color.green << ", " << c.color.blue << ", "
        << c.color.alpha << ") through " << c.format;
}

class Render : public ::testing::TestWithParam<RenderCase> {};

TEST_P(Render, WritesText) {
    const RenderCase& c = GetParam();
    EXPECT_EQ(render(tokenize(c.format), c.color), c.expected);
}

const ColorValue lime{188 / 255.0, 227 / 255.0, 104 / 255.0, 1.0};

// The worked example through each of the eleven output formats.
INSTANTIATE_TEST_SUITE_P(
    OutputFormats, Render,
    ::testing::Values(
        RenderCase{lime, "#{rr}{gg}{bb}", "#bce368"}, RenderCase{lime, "#{rx}{gx}{bx}", "#be6"},
        RenderCase{lime, "{rr}{gg}{bb}", "bce368"},
        RenderCase{lime, "rgb({r}, {g}, {b})", "rgb(188, 227, 104)"},
        RenderCase{lime, "rgba({r}, {g}, {b}, {a})", "rgba(188, 227, 104, 1.0)"},
        RenderCase{lime, "hsl({h}, {s}%, {l}%)", "hsl(79, 69%, 65%)"},
        RenderCase{lime, "hsla({h}, {s}%, {l}%, {a})", "hsla(79, 69%, 65%, 1.0)"},
        RenderCase{lime, "NSColor(SRGBRed: {r.}, green: {g.}, blue: {b.}, alpha: {a})",
                   "NSColor(SRGBRed: 0.7373, green: 0.8902, blue: 0.4078, alpha: 1.0)"},
        RenderCase{lime, "[NSColor colorWithSRGBRed:{r.} green:{g.} blue:{b.} alpha:{a}]",
                   "[NSColor colorWithSRGBRed:0.7373 green:0.8902 blue:0.4078 alpha:1.0]"},
        RenderCase{lime, "UIColor(red: {r.}, green: {g.}, blue: {b.}, alpha: {a})",
                   "UIColor(red: 0.7373, green: 0.8902, blue: 0.4078, alpha: 1.0)"},
        RenderCase{lime, "[UIColor colorWithRed:{r.} green:{g.} blue:{b.} alpha:{a}]",
                   "[UIColor colorWithRed:0.7373 green:0.8902 blue:0.4078 alpha:1.0]"}));

// Achromatic colours, rounding of halves, alpha, and the hexadecimal styles.
INSTANTIATE_TEST_SUITE_P(
    Colours, Render,
    ::testing::Values(
        RenderCase{{1, 1, 1, 1}, "hsla({h}, {s}%, {l}%, {a})", "hsla(0, 0%, 100%, 1.0)"},
        RenderCase{{1, 1, 1, 1}, "#{rr}{gg}{bb}", "#ffffff"},
        RenderCase{{1, 1, 1, 1}, "#{rx}{gx}{bx}", "#fff"}, RenderCase{{1, 1, 1, 1}, "{r.}", "1.0"},
        RenderCase{{0, 0, 0, 0}, "rgba({r}, {g}, {b}, {a})", "rgba(0, 0, 0, 0.0)"},
        RenderCase{{0, 0, 0, 0}, "{r.}", "0.0"}, RenderCase{{0.5, 0.5, 0.5, 0.5}, "{rr}", "80"},
        RenderCase{{0.5, 0.5, 0.5, 0.5}, "{rx}", "8"},
        RenderCase{{0.5, 0.5, 0.5, 0.5}, "{r}", "128"},
        RenderCase{{0.5, 0.5, 0.5, 0.5}, "{a}", "0.5"},
        RenderCase{{0.5, 0.5, 0.5, 0.5}, "hsla({h}, {s}%, {l}%, {a})", "hsla(0, 0%, 50%, 0.5)"},
        RenderCase{{1, 0, 0, 0.25}, "{a}", "0.25"}, RenderCase{{1, 0, 0, 0.25}, "{a%}", "25"},
        RenderCase{{1, 0, 0, 0.25}, "{RR}", "FF"}, RenderCase{{1, 0, 0, 0.25}, "{Rx}{rx}", "Ff"},
        RenderCase{{0.2, 0.4, 0.6, 0.8}, "hsla({h}, {s}%, {l}%, {a})", "hsla(210, 50%, 40%, 0.8)"},
        RenderCase{{0.2, 0.4, 0.6, 0.8}, "{r.}", "0.2"},
        RenderCase{{0.2, 0.4, 0.6, 0.8},
                   "NSColor(SRGBRed: {r.}, green: {g.}, blue: {b.}, alpha: {a})",
                   "NSColor(SRGBRed: 0.2, green: 0.4, blue: 0.6, alpha: 0.8)"},
        RenderCase{{0.2, 0.4, 0.6, 0.8}, "{h.}", "0.5833"},
        RenderCase{{15 / 255.0, 171 / 255.0, 0, 1}, "{RR}{GG}{bX}", "0FAB{bX}"},
        RenderCase{{15 / 255.0, 0, 0, 1}, "x{rx}y", "x0y"},
        RenderCase{{0, 0, 0, 1}, "{}{q}{r", "{}{q}{r"}));

// Hue: ties go to the earlier component, and a hue just below a full turn stays there.
INSTANTIATE_TEST_SUITE_P(
    Hue, Render,
    ::testing::Values(RenderCase{{1, 0, 0, 1}, "{h}", "0"}, RenderCase{{0, 1, 0, 1}, "{h}", "120"},
                      RenderCase{{0, 0, 1, 1}, "{h}", "240"},
                      RenderCase{{1, 0, 1, 1}, "{h}", "300"}, RenderCase{{1, 1, 0, 1}, "{h}", "60"},
                      RenderCase{{0, 1, 1, 1}, "{h}", "180"},
                      RenderCase{{1, 0, 0.008, 1}, "{h}", "360"},
                      RenderCase{{1, 0, 0.008, 1}, "{h.}", "0.9987"},
                      RenderCase{{0.75, 0.25, 0.25, 1}, "{s%} {l%}", "50 50"},
                      RenderCase{{0.9, 0.8, 0.7, 1}, "{h} {s} {l}", "30 50 80"},
                      RenderCase{{0.1, 0.2, 0.3, 1}, "{h.6} {s.6} {l.6}", "0.583333 0.5 0.2"}));

// printf's fixed notation, then trailing zeros of the fraction are trimmed.
INSTANTIATE_TEST_SUITE_P(
    Trimming, Render,
    ::testing::Values(
        RenderCase{{0, 0, 0, 1}, "{a.0}", "1"}, RenderCase{{0, 0, 0, 0}, "{a.0}", "0"},
        RenderCase{{0, 0, 0, 0.5}, "{a.0}", "0"}, RenderCase{{0, 0, 0, 0.7}, "{a.0}", "1"},
        RenderCase{{0, 0, 0, 0.5}, "{a.4}", "0.5"}, RenderCase{{0, 0, 0, 0.25}, "{a.1}", "0.2"},
        RenderCase{{0, 0, 0, 0.35}, "{a.1}", "0.3"}, RenderCase{{0, 0, 0, 0.105}, "{a.2}", "0.1"},
        RenderCase{{0, 0, 0, 0.1}, "{a.10}", "0.1"},
        RenderCase{{0, 0, 0, 0.1}, "{a.20}", "0.10000000000000000555"},
        RenderCase{{0, 0, 0, 0.99999}, "{a}", "1.0"}, RenderCase{{0, 0, 0, 0.004}, "{a}", "0.0"},
        RenderCase{{0, 0, 0, 0.5}, "{a.}", "0.5"}, RenderCase{{0.1, 0, 0, 1}, "{R.}", "0.1"}));

}  // namespace
}  // namespace hueloupe::test
