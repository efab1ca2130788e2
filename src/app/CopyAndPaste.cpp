// SPDX-License-Identifier: MIT
// Copy and paste of colour text through the clipboard, as plain text.
#include "AppDelegate.h"
#include "Clipboard.h"
#include "ColorFormatter.h"
#include "ColorHistoryView.h"
#include "CopyPopUpButton.h"
#include "CopyRecord.h"
#include "CssColor.h"
#include "FormatMenuItem.h"
#include "ModernColorWell.h"

namespace hueloupe {

void AppDelegate::recordCopy(const ColorValue& color, const QString& format) {
    hueloupe::recordCopy(
        *preferences_, [this](const ColorValue& pushed) { historyPalette_->pushColor(pushed); },
        color, format);
}

void AppDelegate::copySelectedColor() {
    const FormatMenuItem* item = colorCopyButton_->selectedItem();
    colorCopyButton_->setToolTip(item ? item->text() : QString());
    if (!item || !item->representedObject()) {
        beep_();
        return;
    }
    const ColorFormatter& chosen = *item->representedObject();
    const ColorValue color = colorWell_->color();
    clipboard_->setText(QString::fromStdString(chosen.stringForColor(color)));
    recordCopy(color, QString::fromStdString(chosen.formatString()));
    colorWell_->showMessage(ModernColorWell::tr(ModernColorWell::kCopied));
}

QString AppDelegate::applyPickedColor(const ColorValue& color, const QString& format, bool copy) {
    colorChanged(color);
    const std::string formatString = format.toStdString();
    const ColorFormatter chosen(formatString, formatString, false);
    const QString text = QString::fromStdString(chosen.stringForColor(color));
    if (copy) {
        clipboard_->setText(text);
    }
    recordCopy(color, format);
    selectFormatRow(format);
    if (copy) {
        colorWell_->showMessage(ModernColorWell::tr(ModernColorWell::kCopied));
    }
    return text;
}

void AppDelegate::readColorFromPasteboard() {
    const std::optional<QString> text = clipboard_->text();
    if (text && applyColorWithCSString(*text)) {
        colorWell_->showMessage(ModernColorWell::tr(ModernColorWell::kPasted));
        return;
    }
    colorWell_->showMessage(ModernColorWell::tr(ModernColorWell::kInvalidCss));
    beep_();
}

bool AppDelegate::applyColorWithCSString(const QString& text) {
    const auto color = colorFromCSString(text.toStdString());
    if (!color) {
        return false;
    }
    colorChanged(*color);
    return true;
}

}  // namespace hueloupe
