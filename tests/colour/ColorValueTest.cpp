// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ColorValue.h"

namespace hueloupe {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Components are compared bit for bit: the order of operations decides the last bit.
TEST(HslConversion, GivesExactComponents) {
    struct Case {
        double hue, saturation, lightness, red, green, blue;
    };
    const Case cases[] = {
        {120, 1, 0.25, 0, 0.5, 0},                    // dark green
        {0, 1, 0.5, 1, 0, 0},                         // red lands exactly
        {60, 1, 0.5, 1 - 0x1p-52, 1, 0},              // yellow: red two ulps below 1
        {300, 0.5, 0.5, 0.75, 0.25, 0.75 - 0x1p-53},  // magenta: blue below 0.75
        {-45, 0, 0.3, 0.3, 0.3, 0.3},                 // grey ignores the hue
        {200, 0.6, 1, 1, 1, 1},                       // white for any hue
        {17, 0.9, 0, 0, 0, 0},                        // black for any hue
        {90, 2, 0.5, 0.5 + 0x1p-51, 1.5, -0.5},       // saturation above one
        {30, 0.1, 0.5, 0x1.1999999999999p-1, 0.5, 0x1.ccccccccccccep-2},  // L = 0.5: (S+L)-S*L
        // The hue is taken modulo a turn as fmod(fmod(h, 360) + 360, 360) takes it.
        {480, 1, 0.25, 0, 0.5, 0},               // 120
        {-360, 1, 0.5, 1, 0, 0},                 // 0
        {-1e-14, 1, 0.5, 1, 0, 0},               // -1e-14 + 360 rounds to 360, which is 0
        {0x1.67fffffffffffp8, 1, 0.5, 1, 0, 0},  // just below 360: + 360 rounds to 720, 0
        {inf, 1, 0.5, 0, 0, 0},  // no hue: every component takes the lower bound, 0 here
        {nan, 1, 0.5, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hue << ' ' << c.saturation << ' ' << c.lightness);
        EXPECT_EQ(colorFromHSL(c.hue, c.saturation, c.lightness),
                  (ColorValue{c.red, c.green, c.blue, 1.0}));
    }
}

bool sameBits(double x, double y) {
    return (std::isnan(x) && std::isnan(y)) || (x == y && std::signbit(x) == std::signbit(y));
}

TEST(ClampComponent, LimitsToUnitRangeWithPositiveZero) {
    const double input[] = {-0.2, 1.7, 0.4, 0, 1, inf, -inf, 1e-300, -1e-300, -0.0, nan};
    const double expected[] = {0, 1, 0.4, 0, 1, 1, 0, 1e-300, 0, 0, 0};
    for (std::size_t i = 0; i < std::size(input); ++i) {
        EXPECT_TRUE(sameBits(clampComponent(input[i]), expected[i])) << input[i];
    }
}

}  // namespace
}  // namespace hueloupe
