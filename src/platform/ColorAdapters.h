// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QMetaType>

#include "ColorValue.h"

namespace hueloupe {

// The only crossings between QColor (float precision) and ColorValue (double precision).
// A colour held as HSV, HSL or CMYK is converted to RGB first; one that cannot be is read as it is.
ColorValue readSRGBComponents(const QColor& color);
QColor makeSRGBColor(const ColorValue& color);

}  // namespace hueloupe

// Lets ColorValue travel in QVariant, signals and Qt Test data tables.
Q_DECLARE_METATYPE(hueloupe::ColorValue)
