// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

#include "ColorValue.h"

namespace hueloupe {

class Preferences;

// Remembers one copied colour, wherever it was copied (the copy button, a pick another launch
// asked for, hueloupe --pick): "LastColor" as a plain formatter writes it, the colour pushed
// onto the history, and the format string as "LastFormatter".
void recordCopy(Preferences& preferences, const std::function<void(const ColorValue&)>& pushColor,
                const ColorValue& color, const QString& format);

}  // namespace hueloupe
