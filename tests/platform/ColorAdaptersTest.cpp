#include "platform/ColorAdapters.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hueloupe {
namespace {

// QColor keeps less than double precision: a colour survives the crossing to within a
// float's precision, and eight-bit values come out as the same eight bits.
TEST(ColorAdaptersTest, EightBitColoursSurviveTheRoundTrip) {
    for (int n : {0, 1, 127, 128, 188, 254, 255}) {
        SCOPED_TRACE(n);
        const ColorValue value{n / 255.0, (255 - n) / 255.0, 0.5, n / 255.0};
        const QColor color = makeSRGBColor(value);
        EXPECT_EQ(color.red(), n);
        EXPECT_EQ(color.green(), 255 - n);
        EXPECT_EQ(color.alpha(), n);
        const ColorValue back = readSRGBComponents(color);
        EXPECT_NEAR(back.red, value.red, 1e-4);
        EXPECT_NEAR(back.green, value.green, 1e-4);
        EXPECT_NEAR(back.blue, value.blue, 1e-4);
        EXPECT_NEAR(back.alpha, value.alpha, 1e-4);
    }
}

TEST(ColorAdaptersTest, OtherSpecsAreReadAsRgb) {
    struct Case {
        const char* name;
        QColor color;
        ColorValue expected;
    };
    const Case cases[] = {
        {"hsv red", QColor::fromHsvF(0.0f, 1.0f, 1.0f), {1, 0, 0, 1}},
        {"hsl half-transparent blue", QColor::fromHslF(2.0f / 3, 1.0f, 0.5f, 0.5f), {0, 0, 1, 0.5}},
        {"cmyk black", QColor::fromCmykF(0, 0, 0, 1.0f), {0, 0, 0, 1}},
        {"beyond sRGB kept", makeSRGBColor({1.5, -0.25, 0.5, 1}), {1.5, -0.25, 0.5, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ColorValue value = readSRGBComponents(c.color);
        EXPECT_NEAR(value.red, c.expected.red, 1e-4);
        EXPECT_NEAR(value.green, c.expected.green, 1e-4);
        EXPECT_NEAR(value.blue, c.expected.blue, 1e-4);
        EXPECT_NEAR(value.alpha, c.expected.alpha, 1e-4);
    }
}

}  // namespace
}  // namespace hueloupe
