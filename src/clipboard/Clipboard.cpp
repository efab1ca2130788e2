// SPDX-License-Identifier: MIT
#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "ClipboardHandOff.h"

namespace hueloupe {
namespace {

std::optional<QString> applicationClipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text();
}

}  // namespace

QString SystemClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
    return {};
}

std::optional<QString> SystemClipboard::text() const {
    return applicationClipboardText();
}

QString LastingClipboard::setText(const QString& text) {
    return clipboardLossWarning(handOffClipboardText(text));
}

std::optional<QString> LastingClipboard::text() const {
    return applicationClipboardText();
}

}  // namespace hueloupe
