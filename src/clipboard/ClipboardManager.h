// SPDX-License-Identifier: MIT
#pragma once

namespace hueloupe {

// Whether an X11 clipboard manager runs: a program that owns the CLIPBOARD_MANAGER selection
// and saves the clipboard of an application that ends. False off X11.
bool x11ClipboardManagerRuns();

}  // namespace hueloupe
