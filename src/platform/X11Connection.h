// SPDX-License-Identifier: MIT
#pragma once

struct xcb_connection_t;

namespace hueloupe {

// The connection to the X server that Qt uses; null off X11 or before the application exists.
xcb_connection_t* x11Connection();

}  // namespace hueloupe
