// SPDX-License-Identifier: MIT
#pragma once

#include "Monitors.h"

namespace hueloupe {

// The monitors of this desktop now: Qt's screens, the primary first, and on X11 the Xinerama
// heads that Qt does not list (a server whose RandR names only some of them).
Monitors desktopMonitors();

}  // namespace hueloupe
