// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>

namespace hueloupe {

// Reads the pixels of a small part of the desktop.
class ScreenSampler {
public:
    virtual ~ScreenSampler() = default;

    // The pixels of deviceRect (device pixels of the whole virtual desktop, see Monitors.h),
    // exactly deviceRect.size() large; pixels that cannot be had are transparent. A null image
    // when the screen cannot be read.
    virtual QImage sample(const QRect& deviceRect) = 0;
};

}  // namespace hueloupe
