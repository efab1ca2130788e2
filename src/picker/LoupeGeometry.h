// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "ColorValue.h"

// Pure geometry of the screen loupe's face and where it sits. Where pointers and pixels lie on
// the desktop is Monitors.h's job.
namespace hueloupe::loupe {

inline constexpr int kSampleRadius = 7;  // 15 x 15 device pixels around the hot spot
inline constexpr int kCellSize = 10;     // each device pixel drawn 10 x 10 logical pixels
inline constexpr int kLabelHeight = 24;
inline constexpr int kPointerGap = 24;  // the loupe keeps clear of the pixels it samples

// The square of device pixels, 2 * radius + 1 on a side, centred on the hot spot.
QRect sampleRect(QPoint hotSpot, int radius = kSampleRadius);

// Top-left corner (logical, global) of the loupe window: below and right of the pointer,
// flipped to the left and/or above where it would leave the monitor, and kept on it.
QPoint loupePosition(QPoint pointer, QSize loupeSize, const QRect& monitor, int gap = kPointerGap);

// The loupe window's logical size for a sample of the given radius.
QSize loupeSize(int radius = kSampleRadius);

// The colour of one pixel of a sampled image as 8-bit sRGB (n / 255, alpha 1); none when the
// pixel lies outside the image or off the screen (transparent).
std::optional<ColorValue> pixelColor(const QImage& image, QPoint pixel);

// "#RRGGBB" for a colour read by pixelColor.
QString hexText(const ColorValue& color);

}  // namespace hueloupe::loupe
