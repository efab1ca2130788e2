// SPDX-License-Identifier: MIT
#include "ColorHistory.h"

#include <algorithm>
#include <utility>

#include "ColorFormatter.h"
#include "CssColor.h"
#include "Preferences.h"

namespace hueloupe {

const QString ColorHistory::kKey = QStringLiteral("ColorHistory");

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
    preferences.registerDefaults({{kKey, defaultEntries()}});
}

void ColorHistory::loadHistory() {
    colors_.clear();
    const std::optional<QStringList> stored = preferences_.stringListForKey(kKey);
    if (!stored) {
        return;
    }
    for (const QString& text : *stored) {
        if (colors_.size() == static_cast<std::size_t>(kCapacity)) {
            break;  // one colour per chip: the newest ones win
        }
        if (std::optional<ColorValue> color = colorFromCSString(text.toStdString())) {
            colors_.push_back(*color);
        }
    }
}

bool ColorHistory::pushColor(const ColorValue& color) {
    // The stored list, not this copy, is the one to add to: a colour another process pushed
    // since this one last read must not be dropped by this write.
    const std::vector<ColorValue> before = std::move(colors_);
    preferences_.synchronize();
    loadHistory();
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
    QStringList entries;
    for (const ColorValue& color : colors_) {
        entries.append(QString::fromStdString(formatter_->stringForColor(color)));
    }
    preferences_.setObject(entries, kKey);
}

}  // namespace hueloupe
