// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <optional>

namespace hueloupe::chips {

// The chip row, in logical pixels: chip i spans x from kPitch * i to kPitch * i + kSize.
inline constexpr int kCount = 5;
inline constexpr double kSize = 26.0;
inline constexpr double kSpacing = 7.0;
inline constexpr double kPitch = kSize + kSpacing;
inline constexpr double kRowWidth = kPitch * (kCount - 1) + kSize;  // 158
inline constexpr double kCornerRadius = 3.0;
inline constexpr double kBorderWidth = 1.0;

// Left edge of chip i.
constexpr double chipLeft(int index) {
    return kPitch * index;
}

// The chip under a press at x, or nothing for a press in a gap or beyond the row. The right
// edge of a chip belongs to it; only x decides.
inline std::optional<int> chipAtX(double x) {
    if (!(x >= 0.0)) {  // left of the row (and NaN): no chip; also keeps the cast below defined
        return std::nullopt;
    }
    const double slot = x / kPitch;
    if (slot >= kCount) {
        return std::nullopt;
    }
    const int index = static_cast<int>(std::trunc(slot));
    if (x > kPitch * (index + 1) - kSpacing) {
        return std::nullopt;
    }
    return index;
}

}  // namespace hueloupe::chips
