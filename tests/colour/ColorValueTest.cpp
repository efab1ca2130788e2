// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

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
        {240, 1, 0.5, 0, 0, 1},                       // blue lands exactly
        {60, 1, 0.5, 1 - 0x1p-52, 1, 0},              // yellow: red two ulps below 1
        {300, 0.5, 0.5, 0.75, 0.25, 0.75 - 0x1p-53},  // magenta: blue below 0.75
        {123, 0, 0.3, 0.3, 0.3, 0.3},                 // grey ignores the hue
        {-45, 0, 0.7, 0.7, 0.7, 0.7},                 // ...even a negative one
        {200, 0.6, 1, 1, 1, 1},                       // white for any hue
        {17, 0.9, 0, 0, 0, 0},                        // black for any hue
        {90, 2, 0.5, 0.5 + 0x1p-51, 1.5, -0.5},       // saturation above one
        {30, 0.1, 0.5, 0x1.1999999999999p-1, 0.5, 0x1.ccccccccccccep-2}  // L = 0.5: (S+L)-S*L
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hue << ' ' << c.saturation << ' ' << c.lightness);
        EXPECT_EQ(colorFromHSL(c.hue, c.saturation, c.lightness),
                  (ColorValue{c.red, c.green, c.blue, 1.0}));
    }
}

// The conversion written out literally with the standard fmod: the reference for the hue
// normalisation, which avoids fmod in the common range.
ColorValue literalHsl(double hue, double s, double l) {
    const double h = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) / 360.0;
    if (s == 0.0) {
        return ColorValue{l, l, l, 1.0};
    }
    const double q = l < 0.5 ? l * (1.0 + s) : (s + l) - s * l;
    const double p = 2.0 * l - q;
    return ColorValue{hueComponent(p, q, h + 1.0 / 3.0), hueComponent(p, q, h),
                      hueComponent(p, q, h - 1.0 / 3.0), 1.0};
}

bool sameBits(double x, double y) {
    return (std::isnan(x) && std::isnan(y)) || (x == y && std::signbit(x) == std::signbit(y));
}

TEST(HslConversion, HueIsTakenModuloATurnAsFmodDoes) {
    const double below360 = std::nextafter(360.0, 0.0);
    std::vector<double> hues = {0.0,   -0.0,   360.0,   -360.0,   720.0,    725.0,
                                -30.0, -390.0, 1e300,   -1e300,   inf,      -inf,
                                nan,   1e-320, -1e-320, below360, -below360};
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> wide(-2000.0, 2000.0);
    for (int i = 0; i < 5000; ++i) {
        hues.push_back(wide(random));
        hues.push_back(below360 - i * 1e-14);
    }
    for (const double hue : hues) {
        for (const double s : {0.0, 0.5, 1.0}) {
            const ColorValue actual = colorFromHSL(hue, s, 0.4);
            const ColorValue expected = literalHsl(hue, s, 0.4);
            ASSERT_TRUE(sameBits(actual.red, expected.red) &&
                        sameBits(actual.green, expected.green) &&
                        sameBits(actual.blue, expected.blue))
                << "hue " << hue << " saturation " << s;
        }
    }
}

TEST(HueComponent, PicksTheSegmentByStrictComparisons) {
    constexpr double p = 0.2;
    constexpr double q = 0.8;
    // Wrapped into 0..1 (exactly 1 stays), then segments end at 1/6, 1/2 and 2/3, exclusive.
    const double t[] = {1.0, -0.25, 1.25, 0.0, 1.0 / 6.0, 0.5, 2.0 / 3.0, 0.1};
    const double expected[] = {
        p, p, q, p, q, ((2.0 / 3.0 - 0.5) * (q - p)) * 6.0 + p, p, ((q - p) * 6.0) * 0.1 + p};
    for (std::size_t i = 0; i < std::size(t); ++i) {
        EXPECT_EQ(hueComponent(p, q, t[i]), expected[i]) << "t " << t[i];
    }
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
