#include "colour/ColorValue.h"

#include <cmath>

namespace hueloupe {

namespace {
constexpr double kOneSixth = 1.0 / 6.0;
constexpr double kOneHalf = 1.0 / 2.0;
constexpr double kOneThird = 1.0 / 3.0;
constexpr double kTwoThirds = 2.0 / 3.0;
}  // namespace

double clampComponent(double x) {
    // Min with 1, then max with 0, written so that NaN falls through to 0.
    const double upper = (1.0 < x) ? 1.0 : x;
    return (0.0 < upper) ? upper : 0.0;
}

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
    double h = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0);
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
