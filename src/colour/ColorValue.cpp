// SPDX-License-Identifier: MIT
#include "ColorValue.h"

#include <cmath>

namespace hueloupe {

namespace {
constexpr double kOneSixth = 1.0 / 6.0;
constexpr double kOneHalf = 1.0 / 2.0;
constexpr double kOneThird = 1.0 / 3.0;
constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kTurn = 360.0;

// fmod(fmod(hue, 360) + 360, 360), bit for bit, without calling fmod in the common case:
// fmod(x, 360) is x itself for |x| < 360, and for 360 <= y < 720 it is y - 360, which is
// exact (Sterbenz). y = 720 can come out of the rounded addition and gives 0.
double normalisedHue(double hue) {
    const double reduced = (hue > -kTurn && hue < kTurn) ? hue : std::fmod(hue, kTurn);
    const double shifted = reduced + kTurn;
    if (shifted >= kTurn) {
        return shifted < 2 * kTurn ? shifted - kTurn : 0.0;
    }
    return shifted;  // below 360 (or NaN): fmod leaves it as it is
}
}  // namespace

double hueComponent(double p, double q, double t) {
    if (t < 0.0) {
        t += 1.0;
    }
    if (t > 1.0) {
        t -= 1.0;
    }
    // The products are grouped exactly as written: the grouping decides the last bit.
    if (t < kOneSixth) {
        return ((q - p) * 6.0) * t + p;
    }
    if (t < kOneHalf) {
        return q;
    }
    if (t < kTwoThirds) {
        return ((kTwoThirds - t) * (q - p)) * 6.0 + p;
    }
    return p;
}

ColorValue colorFromHSL(double hue, double saturation, double lightness) {
    double h = normalisedHue(hue);
    if (saturation == 0.0) {
        return ColorValue{lightness, lightness, lightness, 1.0};
    }
    h = h / 360.0;
    const double q = (lightness < 0.5) ? lightness * (1.0 + saturation)
                                       : (saturation + lightness) - saturation * lightness;
    const double p = 2.0 * lightness - q;
    return ColorValue{hueComponent(p, q, h + kOneThird), hueComponent(p, q, h),
                      hueComponent(p, q, h - kOneThird), 1.0};
}

}  // namespace hueloupe
