// SPDX-License-Identifier: MIT
#pragma once

#include "ScreenSampler.h"

namespace hueloupe {

// Grabs only the logical rectangle that covers the asked device pixels, then cuts them out.
class QtScreenSampler final : public ScreenSampler {
public:
    QImage sample(QScreen& screen, const QRect& deviceRect) override;
};

}  // namespace hueloupe
