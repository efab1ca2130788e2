// SPDX-License-Identifier: MIT
#include "DesktopMonitors.h"
#include "X11Connection.h"

#include <cstdlib>
#include <memory>

#include <QGuiApplication>
#include <QScreen>

#include <xcb/xcb.h>
#include <xcb/xinerama.h>

namespace hueloupe {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeReply>;

// The Xinerama heads of the X server, in device pixels; none off X11 or without Xinerama.
std::vector<QRect> xineramaHeads() {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return {};
    }
    // A request to an extension the server lacks would close the connection: ask first.
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection, &xcb_xinerama_id);
    if (extension == nullptr || extension->present == 0) {
        return {};
    }
    const ReplyPointer<xcb_xinerama_is_active_reply_t> active(
        xcb_xinerama_is_active_reply(connection, xcb_xinerama_is_active(connection), nullptr));
    if (!active || active->state == 0) {
        return {};
    }
    const ReplyPointer<xcb_xinerama_query_screens_reply_t> screens(xcb_xinerama_query_screens_reply(
        connection, xcb_xinerama_query_screens(connection), nullptr));
    if (!screens) {
        return {};
    }
    const xcb_xinerama_screen_info_t* info = xcb_xinerama_query_screens_screen_info(screens.get());
    const int count = xcb_xinerama_query_screens_screen_info_length(screens.get());
    std::vector<QRect> heads;
    for (int i = 0; i < count; ++i) {
        heads.emplace_back(info[i].x_org, info[i].y_org, info[i].width, info[i].height);
    }
    return heads;
}

}  // namespace

Monitors desktopMonitors() {
    Monitors monitors;
    for (const QScreen* screen : QGuiApplication::screens()) {
        monitors.push_back(desktop::screenMonitor(screen->geometry(), screen->devicePixelRatio()));
    }
    return desktop::withHeads(std::move(monitors), xineramaHeads());
}

}  // namespace hueloupe
