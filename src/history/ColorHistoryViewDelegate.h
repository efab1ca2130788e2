// SPDX-License-Identifier: MIT
#pragma once

#include "ColorValue.h"

namespace hueloupe {

// Told when the user clicks a chip that holds a colour.
class ColorHistoryViewDelegate {
public:
    virtual ~ColorHistoryViewDelegate() = default;
    virtual void colorSelected(const ColorValue& color) = 0;
};

}  // namespace hueloupe
