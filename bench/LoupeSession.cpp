// SPDX-License-Identifier: MIT
#include "LoupeSession.h"

#include <cstdlib>

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QTimer>

#include <xcb/xcb.h>

#include "FrozenScreen.h"

namespace hueloupe::bench {

bool startApplication(const char* name) {
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(name), nullptr};
    if (qApp == nullptr) {
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty()
                                       ? QByteArray("xcb")
                                       : qgetenv("QT_QPA_PLATFORM"));
        new QApplication(argc, argv);  // lives until the process ends
    }
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

void x11RoundTrip() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr) {
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
}

PaintWatch::PaintWatch() {
    qApp->installEventFilter(this);
}

PaintWatch::~PaintWatch() {
    qApp->removeEventFilter(this);
}

void PaintWatch::reset() {
    painted_.clear();
    paints_ = 0;
}

bool PaintWatch::waitForWindows(std::size_t n, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wake;  // the wait below returns at least this often
    wake.start(20);
    while (painted_.size() < n) {
        if (deadline.hasExpired()) {
            return false;
        }
        // A window's paint is handed to the server in the same pass that delivers it.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    x11RoundTrip();
    return true;
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && qobject_cast<FrozenScreen*>(watched) != nullptr) {
        painted_.insert(watched);
        ++paints_;
    }
    return false;
}

}  // namespace hueloupe::bench
