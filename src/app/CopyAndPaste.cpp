// SPDX-License-Identifier: MIT
// Copy and paste of colour text through the system clipboard, as plain text.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "AppDelegate.h"
#include "ColorFormatter.h"
#include "ColorHistoryView.h"
#include "CopyPopUpButton.h"
#include "CssColor.h"
#include "FormatMenuItem.h"
#include "ModernColorWell.h"
#include "Preferences.h"

namespace hueloupe {

QClipboard& AppDelegate::clipboard() const {
    return *QGuiApplication::clipboard();
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
    clipboard().setText(QString::fromStdString(chosen.stringForColor(color)),
                        QClipboard::Clipboard);
    preferences_->setObject(QString::fromStdString(chosen.formatString()), kLastFormatterKey);
    historyPalette_->pushColor(color);
    colorWell_->showMessage(QStringLiteral("copied"));
}

QString AppDelegate::applyPickedColor(const ColorValue& color, const QString& format, bool copy) {
    colorChanged(color);
    const std::string formatString = format.toStdString();
    const ColorFormatter chosen(formatString, formatString, false);
    const QString text = QString::fromStdString(chosen.stringForColor(color));
    if (copy) {
        clipboard().setText(text, QClipboard::Clipboard);
    }
    preferences_->setObject(format, kLastFormatterKey);
    historyPalette_->pushColor(color);
    populateColorFormatChoices();  // the menu selects the format now remembered, if it has it
    if (copy) {
        colorWell_->showMessage(QStringLiteral("copied"));
    }
    return text;
}

void AppDelegate::readColorFromPasteboard() {
    const QMimeData* data = clipboard().mimeData(QClipboard::Clipboard);
    const bool hasText = data && data->hasText();
    if (hasText && applyColorWithCSString(data->text())) {
        colorWell_->showMessage(QStringLiteral("pasted"));
        return;
    }
    colorWell_->showMessage(QStringLiteral("invalid CSS"));
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
