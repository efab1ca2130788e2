#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "colour/ColorValue.h"

namespace hueloupe {
namespace {

// Components are compared as doubles, bit for bit: the order of operations decides the last bit.
struct HslCase {
    const char* name;
    double hue, saturation, lightness;
    double red, green, blue;
};

const HslCase kHslCases[] = {
    {"dark green", 120, 1, 0.25, 0, 0.5, 0},
    {"red lands exactly", 0, 1, 0.5, 1, 0, 0},
    {"blue lands exactly", 240, 1, 0.5, 0, 0, 1},
    {"yellow red two ulps below one", 60, 1, 0.5, 1 - std::ldexp(1.0, -52), 1, 0},
    {"magenta blue just below 0.75", 300, 0.5, 0.5, 0.75, 0.25, 0.75 - std::ldexp(1.0, -53)},
    {"grey ignores hue", 123, 0, 0.3, 0.3, 0.3, 0.3},
    {"grey ignores negative hue", -45, 0, 0.7, 0.7, 0.7, 0.7},
    {"white for any hue", 200, 0.6, 1, 1, 1, 1},
    {"black for any hue", 17, 0.9, 0, 0, 0, 0},
    {"saturation above one", 90, 2, 0.5, 0.5 + std::ldexp(1.0, -51), 1.5, -0.5},
    // At lightness 0.5 the (S + L) - S * L form is taken; L * (1 + S) would round differently.
    {"lightness exactly half takes second form", 30, 0.1, 0.5, 0x1.1999999999999p-1, 0.5,
     0x1.ccccccccccccep-2},
};

class HslConversion : public ::testing::TestWithParam<HslCase> {};

TEST_P(HslConversion, GivesExactComponents) {
    const HslCase& c = GetParam();
    const ColorValue color = colorFromHSL(c.hue, c.saturation, c.lightness);
    EXPECT_EQ(color.red, c.red);
    EXPECT_EQ(color.green, c.green);
    EXPECT_EQ(color.blue, c.blue);
    EXPECT_EQ(color.alpha, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, HslConversion, ::testing::ValuesIn(kHslCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) {
                                     ch = '_';
                                 }
                             }
                             return name;
                         });

struct HueEquivalence {
    double hue;
    double sameAs;
};

TEST(HslConversionRules, HueIsTakenModuloATurn) {
    const HueEquivalence cases[] = {{360, 0}, {725, 5}, {-30, 330}, {-390, 330}, {720, 0}};
    for (const double saturation : {0.3, 1.0}) {
        for (const double lightness : {0.2, 0.5, 0.8}) {
            for (const auto& c : cases) {
                SCOPED_TRACE(testing::Message()
                             << "hue " << c.hue << " s " << saturation << " l " << lightness);
                EXPECT_EQ(colorFromHSL(c.hue, saturation, lightness),
                          colorFromHSL(c.sameAs, saturation, lightness));
            }
        }
    }
}

TEST(HslConversionRules, SaturationAboveOneClampsToGreen) {
    const ColorValue raw = colorFromHSL(90, 2, 0.5);
    EXPECT_EQ(clampComponent(raw.red), 0.5 + std::ldexp(1.0, -51));
    EXPECT_EQ(clampComponent(raw.green), 1.0);
    EXPECT_EQ(clampComponent(raw.blue), 0.0);
}

// The conversion written out literally, with the standard fmod, as the reference for the
// hue normalisation (which avoids fmod in the common range).
ColorValue literalHsl(double hue, double s, double l) {
    double h = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0);
    if (s == 0.0) {
        return ColorValue{l, l, l, 1.0};
    }
    h = h / 360.0;
    const double q = l < 0.5 ? l * (1.0 + s) : (s + l) - s * l;
    const double p = 2.0 * l - q;
    return ColorValue{hueComponent(p, q, h + 1.0 / 3.0), hueComponent(p, q, h),
                      hueComponent(p, q, h - 1.0 / 3.0), 1.0};
}

bool sameBits(const ColorValue& a, const ColorValue& b) {
    const auto same = [](double x, double y) {
        return (std::isnan(x) && std::isnan(y)) || (x == y && std::signbit(x) == std::signbit(y));
    };
    return same(a.red, b.red) && same(a.green, b.green) && same(a.blue, b.blue);
}

TEST(HslConversionRules, HueNormalisationMatchesLiteralFmod) {
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> hues = {0.0,
                                -0.0,
                                360.0,
                                -360.0,
                                720.0,
                                725.0,
                                -30.0,
                                359.99999999999994,
                                -359.99999999999994,
                                1e-320,
                                -1e-320,
                                0.1,
                                -0.1,
                                99999.99999,
                                1e300,
                                -1e300,
                                inf,
                                -inf,
                                std::nan("")};
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> wide(-2000.0, 2000.0);
    for (int i = 0; i < 20000; ++i) {
        hues.push_back(wide(random));
        hues.push_back(std::nextafter(360.0, 0.0) - static_cast<double>(i) * 1e-14);
    }
    for (const double hue : hues) {
        for (const double s : {0.0, 0.5, 1.0}) {
            const ColorValue actual = colorFromHSL(hue, s, 0.4);
            const ColorValue expected = literalHsl(hue, s, 0.4);
            if (!sameBits(actual, expected)) {
                ADD_FAILURE() << "hue " << hue << " saturation " << s;
                return;
            }
        }
    }
}

struct HueComponentCase {
    double t;
    double expected;  // with p = 0.2, q = 0.8
};

TEST(HueComponent, PicksTheSegmentByStrictComparisons) {
    constexpr double p = 0.2;
    constexpr double q = 0.8;
    const HueComponentCase cases[] = {
        {1.0, p},                                        // exactly 1 stays 1: last segment
        {-0.25, p},                                      // wraps to 0.75
        {1.25, q},                                       // wraps to 0.25, in the second segment
        {0.0, p},                                        // first segment at 0 gives p
        {1.0 / 6.0, q},                                  // exactly 1/6 leaves the first segment
        {0.5, ((2.0 / 3.0 - 0.5) * (q - p)) * 6.0 + p},  // exactly 1/2 enters the third
        {2.0 / 3.0, p},                                  // exactly 2/3 is the last segment
        {0.1, ((q - p) * 6.0) * 0.1 + p},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "t " << c.t);
        EXPECT_EQ(hueComponent(p, q, c.t), c.expected);
    }
}

struct ClampCase {
    double input;
    double expected;
};

TEST(ClampComponent, LimitsToUnitRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const ClampCase cases[] = {{-0.2, 0}, {1.7, 1},  {0.4, 0.4},       {0, 0},      {1, 1},
                               {inf, 1},  {-inf, 0}, {1e-300, 1e-300}, {-1e-300, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(clampComponent(c.input), c.expected);
    }
}

TEST(ClampComponent, NotANumberAndNegativeZeroBecomePositiveZero) {
    for (const double x : {std::numeric_limits<double>::quiet_NaN(), -0.0}) {
        const double clamped = clampComponent(x);
        EXPECT_EQ(clamped, 0.0);
        EXPECT_FALSE(std::signbit(clamped));
    }
}

}  // namespace
}  // namespace hueloupe
