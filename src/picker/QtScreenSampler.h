// SPDX-License-Identifier: MIT
#pragma once

#include "ScreenSampler.h"

namespace hueloupe {

// Grabs only the logical rectangle that covers the asked device pixels, then cuts them out.
// The grab goes through the screen under the rectangle's centre, or else the primary screen:
// the window system reads the whole desktop from its root, so pixels on monitors Qt does not
// know come along.
class QtScreenSampler final : public ScreenSampler {
public:
    QImage sample(const QRect& deviceRect) override;
};

}  // namespace hueloupe
