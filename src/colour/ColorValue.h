// SPDX-License-Identifier: MIT
#pragma once

namespace hueloupe {

// A colour as four sRGB doubles, not premultiplied. Parsed colours lie in 0..1;
// colours from elsewhere (the screen, the colour dialog) are kept as given.
struct ColorValue {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double alpha = 1.0;

    friend bool operator==(const ColorValue&, const ColorValue&) = default;
};

// Limits x to 0..1: min with 1 first, then max with 0 (so NaN becomes 0).
inline double clampComponent(double x) {
    const double upper = (1.0 < x) ? 1.0 : x;
    return (0.0 < upper) ? upper : 0.0;
}

// HSL to RGB. hue in degrees (any value), saturation and lightness as fractions,
// neither clamped nor rejected. The result's alpha is 1 and its components are not clamped.
ColorValue colorFromHSL(double hue, double saturation, double lightness);

}  // namespace hueloupe
