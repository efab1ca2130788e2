// SPDX-License-Identifier: MIT
#include "X11Connection.h"

#include <QGuiApplication>

namespace hueloupe {

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace hueloupe
