// SPDX-License-Identifier: MIT
#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "ClipboardHandOff.h"

namespace hueloupe {

std::optional<QString> Clipboard::text() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text();
}

QString SystemClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
    return {};
}

QString LastingClipboard::setText(const QString& text) {
    return clipboardLossWarning(handOffClipboardText(text));
}

}  // namespace hueloupe
