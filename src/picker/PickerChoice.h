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
    // When the desktop cannot be captured for a press (no portal's Screenshot, or it was refused
    // or cancelled), that press goes to the desktop's own picker.
    bool portalWhenUnreadable = true;
    // Said once on stderr when the user's setting is not understood; empty otherwise.
    QString warning;
};

// The environment variable that forces one picker: "screen" or "portal".
inline constexpr char kPickerVariable[] = "HUELOUPE_PICKER";

// The choice for the value of HUELOUPE_PICKER (none when unset): our loupe unless the value
// forces a picker, on X11 and on Wayland alike.
PickerChoice choosePicker(const std::optional<QString>& forced);

// The choice for this process, its warning (if any) written to the log. Makes no D-Bus call.
PickerChoice choosePickerForDesktop();

// The picker for a choice: the loupe over the X11 root window, or over the portal's Screenshot on
// Wayland, or the portal's PickColor. Makes no D-Bus call and shows nothing until a session
// starts.
std::unique_ptr<Picker> makeDesktopPicker(const PickerChoice& choice);

}  // namespace hueloupe
