// SPDX-License-Identifier: MIT
#include "LaunchFeedback.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "WindowOrder.h"
#include "X11Connection.h"

namespace hueloupe {
namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}

// A startup-notification message goes to the root window in pieces of 20 bytes, the first typed
// _NET_STARTUP_INFO_BEGIN, the rest _NET_STARTUP_INFO, ending with its NUL.
void sendStartupMessage(xcb_connection_t* connection, const QByteArray& message) {
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (begin == XCB_ATOM_NONE || more == XCB_ATOM_NONE || screen == nullptr) {
        return;
    }
    const qsizetype length = message.size() + 1;  // with the NUL
    for (qsizetype sent = 0; sent < length; sent += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = screen->root;
        event.type = sent == 0 ? begin : more;
        std::memcpy(event.data.data8, message.constData() + sent,
                    static_cast<std::size_t>(std::min<qsizetype>(length - sent, 20)));
        xcb_send_event(connection, 0, screen->root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_flush(connection);
}

}  // namespace

void raiseForLaunch(QWidget& window, const QString& activationToken) {
    // Qt's Wayland platform hands this variable to the compositor when the window asks to be
    // activated, and clears it.
    const bool wayland = QGuiApplication::platformName().startsWith(u"wayland");
    if (wayland && !activationToken.isEmpty()) {
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toLatin1());
    }
    makeKeyAndOrderFront(window);
    if (wayland) {
        qunsetenv("XDG_ACTIVATION_TOKEN");  // used or not, not for the programs we start
    }
    endLaunchFeedback(activationToken);
}

void passTokenToNextWindow(const QString& activationToken) {
    if (QGuiApplication::platformName().startsWith(u"wayland") && !activationToken.isEmpty()) {
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toLatin1());
    }
    endLaunchFeedback(activationToken);
}

void endLaunchFeedback(const QString& activationToken) {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr || activationToken.isEmpty()) {
        return;
    }
    sendStartupMessage(connection, "remove: ID=" + activationToken.toLatin1());
}

}  // namespace hueloupe
