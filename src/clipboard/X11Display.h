// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace hueloupe {

// The X display this process's Qt talks to (":1", "host:0.0"), for a helper program's -display
// option: Qt may have been given -display, so DISPLAY can name another server or none. Read from
// Qt's own X connection; empty off X11.
QString x11DisplayName();

}  // namespace hueloupe
