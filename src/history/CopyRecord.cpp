// SPDX-License-Identifier: MIT
#include "CopyRecord.h"

#include "ColorFormatter.h"
#include "Preferences.h"
#include "SettingsKeys.h"

namespace hueloupe {

void recordCopy(Preferences& preferences, const std::function<void(const ColorValue&)>& pushColor,
                const ColorValue& color, const QString& format) {
    // The window has stored its current colour already; a one-shot pick has not.
    const QString text = QString::fromStdString(ColorFormatter().stringForColor(color));
    if (preferences.stringForKey(keys::kLastColor) != text) {
        preferences.setObject(text, keys::kLastColor);
    }
    pushColor(color);
    preferences.setObject(format, keys::kLastFormatter);
}

}  // namespace hueloupe
