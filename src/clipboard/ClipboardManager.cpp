// SPDX-License-Identifier: MIT
#include "ClipboardManager.h"
#include "X11Connection.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace hueloupe {

bool x11ClipboardManagerRuns() {
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        return false;
    }
    constexpr char kName[] = "CLIPBOARD_MANAGER";
    const auto atomCookie = xcb_intern_atom(connection, 1, sizeof kName - 1, kName);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        return false;  // no program ever named the selection
    }
    const auto ownerCookie = xcb_get_selection_owner(connection, atom->atom);
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, ownerCookie, nullptr), &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

}  // namespace hueloupe
