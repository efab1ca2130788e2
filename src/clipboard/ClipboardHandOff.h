// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace hueloupe {

// A program that takes text on standard input, owns the clipboard with it, and serves it from the
// background until another program takes the clipboard.
struct ClipboardHelper {
    QString program;
    QStringList arguments;
};

// The helper for a Qt platform: xclip on X11, serving the given X display when there is one
// (else DISPLAY's); wl-copy on Wayland, which connects where Qt did (WAYLAND_DISPLAY: Qt's
// Wayland plugin takes no other); none elsewhere.
std::optional<ClipboardHelper> clipboardHelperFor(QStringView platformName,
                                                  const QString& x11Display = {});

// Who keeps copied text once this process has ended.
struct ClipboardHandOff {
    enum class Keeper { ClipboardManager, Helper, Nobody };
    Keeper keeper = Keeper::Nobody;
    qint64 helperSession = 0;  // the helper's session (and process group) id; 0 without one
    QString lossReason;  // with Nobody: why, as "no clipboard manager and no xclip to keep it"
};

// What to tell the user when nobody keeps the text, on one line without its newline:
// "hueloupe: the clipboard will be empty once this command ends: <lossReason>". Empty when
// somebody keeps it.
QString clipboardLossWarning(const ClipboardHandOff& handOff);

// Copies text so that it still pastes after this process ends. On X11 with a clipboard manager
// running, the text goes on the clipboard through Qt, which hands it to the manager as the
// application ends; otherwise the platform's helper serves it, started in a session of its own
// and detached from this process's standard streams. The helper owns the clipboard by the time
// this returns. Without a helper, or when it cannot start or fails, the text goes on the clipboard
// through Qt alone: Nobody keeps it, and lossReason says why. Needs the QGuiApplication; takes at
// most a few seconds.
ClipboardHandOff handOffClipboardText(const QString& text);

// The same with a given helper; for tests and for callers that chose one themselves.
ClipboardHandOff handOffClipboardText(const QString& text, const ClipboardHelper& helper);

}  // namespace hueloupe
