// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

namespace hueloupe {

// Where copied colour text goes and pasted text comes from, as plain text.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Puts text on the clipboard. Returns a warning, one line, when nothing will keep the text
    // once this process has ended; empty otherwise.
    virtual QString setText(const QString& text) = 0;
    // The plain text on the application's clipboard; nothing when it holds none.
    std::optional<QString> text() const;
};

// The application's clipboard, for a process that keeps running (the window).
class SystemClipboard final : public Clipboard {
public:
    QString setText(const QString& text) override;
};

// The clipboard for a command that ends after copying (hueloupe --pick): the text goes to a
// clipboard manager or a helper that keeps serving it (handOffClipboardText).
class LastingClipboard final : public Clipboard {
public:
    QString setText(const QString& text) override;
};

}  // namespace hueloupe
