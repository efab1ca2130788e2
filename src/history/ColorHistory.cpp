// SPDX-License-Identifier: MIT
#include "ColorHistory.h"

#include <algorithm>
#include <utility>

#include "ColorFormatter.h"
#include "CssColor.h"
#include "Preferences.h"
#include "SettingsKeys.h"

namespace hueloupe {


ColorHistory::ColorHistory(Preferences& preferences) : preferences_(preferences) {
    registerDefaults(preferences_);
}

ColorHistory::~ColorHistory() = default;

QStringList ColorHistory::defaultEntries() {
    return {
        QStringLiteral("rgba(188, 227, 104, 1.0)"), QStringLiteral("rgba(161, 213, 211, 1.0)"),
        QStringLiteral("rgba(125, 184, 236, 1.0)"), QStringLiteral("rgba(207, 140, 190, 1.0)"),
        QStringLiteral("rgba(246, 134, 160, 1.0)"),
    };
}

void ColorHistory::registerDefaults(Preferences& preferences) {
    preferences.registerDefaults({{keys::kColorHistory, defaultEntries()}});
}

void ColorHistory::loadHistory() {
    colors_.clear();
    texts_.clear();
    readStored({}, {});
}

void ColorHistory::readStored(const std::vector<ColorValue>& held,
                              const std::vector<QString>& heldTexts) {
    const std::optional<QStringList> stored = preferences_.stringListForKey(keys::kColorHistory);
    if (!stored) {
        return;
    }
    std::vector<bool> used(held.size(), false);
    for (const QString& text : *stored) {
        if (colors_.size() == static_cast<std::size_t>(kCapacity)) {
            break;  // one colour per chip: the newest ones win
        }
        // A stored "#rrggbb" drops alpha and what lies between 8-bit steps: the entry this list
        // wrote or read as that text keeps its exact colour.
        std::optional<ColorValue> color;
        for (std::size_t i = 0; i < held.size() && !color; ++i) {
            if (!used[i] && heldTexts[i] == text) {
                used[i] = true;
                color = held[i];
            }
        }
        if (!color) {
            color = colorFromCSString(text.toStdString());
        }
        if (color) {
            colors_.push_back(*color);
            texts_.push_back(text);
        }
    }
}

bool ColorHistory::pushColor(const ColorValue& color) {
    // The stored list, not this copy, is the one to add to: a colour another process pushed
    // since this one last read must not be dropped by this write.
    std::vector<ColorValue> before = std::move(colors_);
    std::vector<QString> beforeTexts = std::move(texts_);
    colors_.clear();
    texts_.clear();
    preferences_.synchronize();
    readStored(before, beforeTexts);
    if (std::find(colors_.begin(), colors_.end(), color) != colors_.end()) {
        return colors_ != before;
    }
    if (colors_.size() >= static_cast<std::size_t>(kCapacity)) {
        colors_.resize(kCapacity - 1);
    }
    colors_.insert(colors_.begin(), color);
    saveHistory();
    return true;
}

std::optional<ColorValue> ColorHistory::colorAtIndex(qsizetype index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= colors_.size()) {
        return std::nullopt;
    }
    return colors_[static_cast<std::size_t>(index)];
}

void ColorHistory::saveHistory() {
    if (!formatter_) {
        formatter_ = std::make_unique<ColorFormatter>();
    }
    texts_.clear();
    for (const ColorValue& color : colors_) {
        texts_.push_back(QString::fromStdString(formatter_->stringForColor(color)));
    }
    preferences_.setObject(QStringList(texts_.begin(), texts_.end()), keys::kColorHistory);
}

}  // namespace hueloupe
