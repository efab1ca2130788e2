// SPDX-License-Identifier: MIT
#include "ColorValue.h"

#include <cmath>

namespace hueloupe {

namespace {

// One RGB component of the conversion for the hue offset t. The products are grouped
// exactly as written: the grouping decides the last bit.
double hueComponent(double p, double q, double t) {
    if (t < 0.0) {
        t += 1.0;
    }
    if (t > 1.0) {
        t -= 1.0;
    }
    if (t < 1.0 / 6.0) {
        return ((q - p) * 6.0) * t + p;
    }
    if (t < 1.0 / 2.0) {
        return q;
    }
    if (t < 2.0 / 3.0) {
        return ((2.0 / 3.0 - t) * (q - p)) * 6.0 + p;
    }
    return p;
}

}  // namespace

ColorValue colorFromHSL(double hue, double saturation, double lightness) {
    if (saturation == 0.0) {
        return ColorValue{lightness, lightness, lightness, 1.0};
    }
    const double h = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) / 360.0;
    const double q = (lightness < 0.5) ? lightness * (1.0 + saturation)
                                       : (saturation + lightness) - saturation * lightness;
    const double p = 2.0 * lightness - q;
    return ColorValue{hueComponent(p, q, h + 1.0 / 3.0), hueComponent(p, q, h),
                      hueComponent(p, q, h - 1.0 / 3.0), 1.0};
}

}  // namespace hueloupe
