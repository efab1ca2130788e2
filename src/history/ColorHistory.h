// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "ChipGeometry.h"
#include "ColorValue.h"

namespace hueloupe {

class ColorFormatter;
class Preferences;

// The most recently copied colours, newest first, at most one per chip. Stored under
// "ColorHistory" as a list of colour strings written by a plain ColorFormatter ("#rrggbb",
// no alpha); the registered default is five rgba() strings.
class ColorHistory {
public:
    static constexpr int kCapacity = chips::kCount;

    explicit ColorHistory(Preferences& preferences);
    ~ColorHistory();
    ColorHistory(const ColorHistory&) = delete;
    ColorHistory& operator=(const ColorHistory&) = delete;

    static QStringList defaultEntries();
    static void registerDefaults(Preferences& preferences);

    // Replaces the list by the stored one: entries that do not parse are skipped, and only
    // the first kCapacity colours are kept. Never writes.
    void loadHistory();
    // Reads the stored list again (another process may have added colours since), then puts
    // a colour not yet in it at the front, dropping the oldest when full, and saves. An equal
    // colour already present stays where it is and nothing is saved: entries read again keep
    // the exact colours this list holds for their stored text, so a colour with alpha or off
    // the 8-bit grid still equals itself. Returns whether the list changed, by the push or by
    // the stored colours read again.
    bool pushColor(const ColorValue& color);
    std::optional<ColorValue> colorAtIndex(qsizetype index) const;
    // Rewrites the stored list from the current one.
    void saveHistory();

    const std::vector<ColorValue>& colors() const { return colors_; }

private:
    // Appends the stored entries, taking the colour from held for a text heldTexts has.
    void readStored(const std::vector<ColorValue>& held, const std::vector<QString>& heldTexts);

    Preferences& preferences_;
    std::vector<ColorValue> colors_;
    std::vector<QString> texts_;  // each colour's stored text, as read or last written
    std::unique_ptr<ColorFormatter> formatter_;  // made on first save
};

}  // namespace hueloupe
