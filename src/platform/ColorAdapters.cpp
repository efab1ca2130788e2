// SPDX-License-Identifier: MIT
#include "ColorAdapters.h"

namespace hueloupe {

ColorValue readSRGBComponents(const QColor& color) {
    QColor rgb = color;
    if (rgb.spec() != QColor::Rgb && rgb.spec() != QColor::ExtendedRgb) {
        const QColor converted = rgb.toRgb();
        if (converted.isValid()) {
            rgb = converted;
        }
    }
    float r = 0, g = 0, b = 0, a = 1;
    rgb.getRgbF(&r, &g, &b, &a);
    return {r, g, b, a};
}

QColor makeSRGBColor(const ColorValue& color) {
    // Extended RGB keeps components outside 0..1 instead of clamping them silently.
    return QColor::fromRgbF(static_cast<float>(color.red), static_cast<float>(color.green),
                            static_cast<float>(color.blue), static_cast<float>(color.alpha));
}

}  // namespace hueloupe
