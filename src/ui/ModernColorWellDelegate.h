// SPDX-License-Identifier: MIT
#pragma once

#include "ColorValue.h"

namespace hueloupe {

// Hears the colours picked with the colour well's loupe.
class ModernColorWellDelegate {
public:
    // After every successful pick, once the well already shows the colour.
    virtual void colorChanged(const ColorValue& color) = 0;

protected:
    ~ModernColorWellDelegate() = default;
};

}  // namespace hueloupe
