// SPDX-License-Identifier: MIT
// The copy button's menu of output formats, as the controller builds and retitles it.
#include "AppDelegate.h"
#include "ColorFormatter.h"
#include "CopyPopUpButton.h"
#include "FormatMenuItem.h"
#include "ModernColorWell.h"
#include "OutputFormats.h"
#include "Preferences.h"
#include "SettingsKeys.h"

namespace hueloupe {

void AppDelegate::populateColorFormatChoices() {
    std::vector<std::unique_ptr<ColorFormatter>> formatters;
    for (const OutputFormat& row : kOutputFormats) {
        formatters.push_back(std::make_unique<ColorFormatter>(std::string(row.formatString),
                                                              std::string(row.previewFormatString),
                                                              row.previewStringIsLabel));
    }
    colorCopyButton_->removeAllItems();
    const std::optional<QString> remembered = preferences_->stringForKey(keys::kLastFormatter);
    FormatMenuItem* found = nullptr;
    for (auto& formatter : formatters) {
        const QString title =
            QString::fromStdString(formatter->previewStringForColor(colorWell_->color()));
        const bool matches = !found && remembered &&
                             QString::fromStdString(formatter->formatString()) == *remembered;
        FormatMenuItem* item = colorCopyButton_->addItem(std::move(formatter), title);
        if (matches) {
            found = item;
        }
    }
    colorCopyButton_->selectItem(found ? found : colorCopyButton_->items().value(0));
    const FormatMenuItem* selected = colorCopyButton_->selectedItem();
    colorCopyButton_->setToolTip(selected ? selected->text() : QString());
}

void AppDelegate::selectFormatRow(const QString& format) {
    for (FormatMenuItem* item : colorCopyButton_->items()) {
        if (QString::fromStdString(item->representedObject()->formatString()) == format) {
            colorCopyButton_->selectItem(item);
            colorCopyButton_->setToolTip(item->text());
            return;
        }
    }
}

void AppDelegate::updateColorChoicePreviews() {
    for (FormatMenuItem* item : colorCopyButton_->items()) {
        item->setText(QString::fromStdString(
            item->representedObject()->previewStringForColor(colorWell_->color())));
    }
    colorCopyButton_->synchronizeTitleAndSelectedItem();
}

}  // namespace hueloupe
