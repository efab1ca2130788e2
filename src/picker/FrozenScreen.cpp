// SPDX-License-Identifier: MIT
#include "FrozenScreen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <QtMath>

#include "FrozenLoupe.h"

namespace hueloupe {
namespace {

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

Qt::WindowFlags loupeWindowFlags() {
    // Where windows can be placed, the window manager is kept out: the windows appear at once,
    // exactly over their monitors. On Wayland the compositor makes them full screen.
    const Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    return onWayland() ? flags : flags | Qt::X11BypassWindowManagerHint;
}

// The whole logical pixels that cover a monitor's device pixels.
QRect coveringArea(const Monitor& m) {
    const auto logical = [&m](int device, int origin) {
        return origin + (device - origin) / m.ratio;
    };
    const QPoint topLeft(qFloor(logical(m.pixels.left(), m.origin.x())),
                         qFloor(logical(m.pixels.top(), m.origin.y())));
    const QPoint end(qCeil(logical(m.pixels.right() + 1, m.origin.x())),
                     qCeil(logical(m.pixels.bottom() + 1, m.origin.y())));
    return {topLeft, end - QPoint(1, 1)};
}

}  // namespace

FrozenScreen::FrozenScreen(FrozenLoupe& loupe, const Monitor& monitor)
    : QWidget(nullptr, loupeWindowFlags()),
      loupe_(loupe),
      monitor_(monitor),
      area_(coveringArea(monitor)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    setWindowTitle(tr("Hueloupe loupe"));
}

void FrozenScreen::showOver(QScreen* screen) {
    if (onWayland() && screen != nullptr) {
        winId();  // makes the window, so that it can be put on its screen
        windowHandle()->setScreen(screen);
        setGeometry(screen->geometry());
        showFullScreen();
        return;
    }
    setGeometry(area_);
    show();
}

void FrozenScreen::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    loupe_.paint(*this, painter, event->rect());
}

void FrozenScreen::mouseMoveEvent(QMouseEvent* event) {
    loupe_.pointerMoved(event->globalPosition(), event->buttons().testFlag(Qt::LeftButton));
}

void FrozenScreen::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        loupe_.pressed(event->globalPosition());
    }
}

void FrozenScreen::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        loupe_.released(event->globalPosition());
    }
}

void FrozenScreen::enterEvent(QEnterEvent* event) {
    loupe_.pointerMoved(event->globalPosition(), false);
}

void FrozenScreen::keyPressEvent(QKeyEvent* event) {
    loupe_.keyPressed(*event);
}

void FrozenScreen::closeEvent(QCloseEvent* event) {
    // Closed from outside (the window manager or compositor): the pick must still end.
    event->ignore();
    loupe_.closed();
}

}  // namespace hueloupe
