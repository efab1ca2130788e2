// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>

#include <QString>
#include <QStringView>

#include "Picker.h"

namespace hueloupe {

enum class PickerKind {
    Screen,  // our loupe, reading the screen's pixels
    Portal,  // the desktop portal's colour picker
};

// Which picker a press in the colour well starts.
struct PickerChoice {
    PickerKind picker = PickerKind::Screen;
    // When the loupe cannot read the screen for a press, that press goes to the portal.
    bool portalWhenUnreadable = true;
    // Said once on stderr when the user's setting is not understood; empty otherwise.
    QString warning;
};

// The environment variable that forces one picker: "screen" or "portal".
inline constexpr char kPickerVariable[] = "HUELOUPE_PICKER";

// The choice for a platform plugin name (QGuiApplication::platformName()) and the value of
// HUELOUPE_PICKER (none when unset). Automatic unless the value forces a picker: the portal on
// Wayland, where no application may read the screen, and our loupe everywhere else.
PickerChoice choosePicker(QStringView platformName, const std::optional<QString>& forced);

// The choice for this process, its warning (if any) written to the log. Makes no D-Bus call.
PickerChoice choosePickerForDesktop();

// The picker for a choice, reading the real screen or the session bus. Makes no D-Bus call and
// shows nothing until a session starts.
std::unique_ptr<Picker> makeDesktopPicker(const PickerChoice& choice);

}  // namespace hueloupe
