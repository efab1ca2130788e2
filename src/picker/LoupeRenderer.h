// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

class QPainter;

namespace hueloupe {

// Draws the loupe's face: the sampled pixels enlarged cell by cell with a grid, the centre
// pixel outlined, and the centre pixel's hex value in a strip below. Pixels off the screen
// (transparent) show as a dark backdrop.
class LoupeRenderer {
public:
    // sample: a square of device pixels with an odd side, as ScreenSampler returns it.
    static void paint(QPainter& painter, const QImage& sample);
};

}  // namespace hueloupe
