// SPDX-License-Identifier: MIT
#include "RootWindowCapture.h"
#include "X11Connection.h"

#include <cstdlib>

#include <QSysInfo>

#include <xcb/xcb.h>

namespace hueloupe {
namespace {

// The root window's pixels as 32-bit RGB; null when they cannot be had in that form.
QImage readRootWindow() {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return {};
    }
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    const bool hostOrder = (QSysInfo::ByteOrder == QSysInfo::LittleEndian) ==
                           (setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST);
    if (screen == nullptr || !hostOrder ||
        (screen->root_depth != 24 && screen->root_depth != 32)) {
        return {};
    }
    const int width = screen->width_in_pixels;
    const int height = screen->height_in_pixels;
    xcb_generic_error_t* error = nullptr;
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0,
                      static_cast<uint16_t>(width), static_cast<uint16_t>(height), ~0U),
        &error);
    std::free(error);
    if (reply == nullptr) {
        return {};
    }
    const std::size_t bytes = static_cast<std::size_t>(xcb_get_image_data_length(reply));
    if (bytes < static_cast<std::size_t>(width) * height * 4) {
        std::free(reply);
        return {};  // not 32 bits a pixel: a server this does not read
    }
    // Z-pixmap, 32 bits a pixel in the host's byte order: the layout of Format_RGB32. The image
    // keeps the reply (66 MB for two 4K monitors) rather than a copy of it.
    return QImage(xcb_get_image_data(reply), width, height, width * 4, QImage::Format_RGB32,
                  [](void* data) { std::free(data); }, reply);
}

}  // namespace

void RootWindowCapture::capture() {
    QImage image = readRootWindow();
    if (image.isNull()) {
        emit unavailable();
        return;
    }
    DesktopImage desktop;
    desktop.image = std::move(image);
    emit captured(desktop);
}

}  // namespace hueloupe
