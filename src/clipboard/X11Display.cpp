// SPDX-License-Identifier: MIT
#include "X11Display.h"

#include <QGuiApplication>

#include <X11/Xlib.h>  // after Qt: its macros (None, Bool, Status) would clash with Qt's names

namespace hueloupe {

QString x11DisplayName() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    return display ? QString::fromLocal8Bit(XDisplayString(display)) : QString();
}

}  // namespace hueloupe
