// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>

class QScreen;

namespace hueloupe {

// Reads the pixels of a small part of a screen.
class ScreenSampler {
public:
    virtual ~ScreenSampler() = default;

    // The pixels of deviceRect (device pixels, relative to the screen's top-left corner),
    // exactly deviceRect.size() large; pixels off the screen are transparent. A null image
    // when the screen cannot be read.
    virtual QImage sample(QScreen& screen, const QRect& deviceRect) = 0;

    // Reads the screen through QScreen::grabWindow, only the asked rectangle each time.
    static ScreenSampler& standard();
};

}  // namespace hueloupe
