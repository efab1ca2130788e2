// SPDX-License-Identifier: MIT
#include "FrozenLoupe.h"

#include <cstdlib>
#include <utility>

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <xcb/xcb.h>

#include "FrozenScreen.h"
#include "LoupeGeometry.h"
#include "LoupeRenderer.h"
#include "X11Connection.h"

namespace hueloupe {
namespace {

bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Waits until the X server has handled every request sent so far (the windows' mapping).
void syncWithX11Server() {
    if (xcb_connection_t* connection = x11Connection()) {
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
}

// Whether the first mouse button is down now, as the X server sees it; nothing off X11.
std::optional<bool> x11LeftButtonDown() {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return std::nullopt;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    if (reply == nullptr) {
        return std::nullopt;
    }
    const bool down = (reply->mask & XCB_BUTTON_MASK_1) != 0;
    std::free(reply);
    return down;
}

QScreen* screenFor(const Monitor& monitor) {
    QScreen* screen = QGuiApplication::screenAt(monitor.geometry.center());
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

bool FrozenLoupe::grabInput(QWidget& window) {
    if (!onX11()) {
        return true;
    }
    // Within the application too: a press elsewhere (the colour well's) would otherwise still
    // receive the moves and the release of its drag.
    window.grabMouse(Qt::CrossCursor);
    window.grabKeyboard();
    // The pointer and the keyboard are the loupe's until it ends; without them no click or key
    // could end it. The windows bypass the window manager, so once the server has mapped them
    // they can be grabbed.
    syncWithX11Server();
    QWindow* handle = window.windowHandle();
    return handle->setMouseGrabEnabled(true) && handle->setKeyboardGrabEnabled(true);
}

FrozenLoupe::FrozenLoupe(InputGrab grab, QObject* parent)
    : QObject(parent), grab_(std::move(grab)) {}

FrozenLoupe::~FrozenLoupe() {
    stop();
}

bool FrozenLoupe::start(DesktopImage image, Monitors monitors, std::optional<QPointF> pointer,
                        bool pressHeld) {
    stop();
    if (monitors.empty() || image.isNull()) {
        return false;
    }
    image_ = std::move(image);
    monitors_ = std::move(monitors);
    openedAt_ = pointer;
    dragged_ = false;
    pressedHere_ = false;
    keyedPointer_.reset();
    hotSpot_.reset();
    if (pointer) {
        if (const Monitor* monitor = desktop::monitorAt(monitors_, *pointer)) {
            moveHotSpot(*monitor, desktop::devicePixelAt(*monitor, *pointer), pointer->toPoint());
        }
    }
    activeBefore_ = QApplication::activeWindow();
    FrozenScreen* underPointer = nullptr;
    for (const Monitor& monitor : monitors_) {
        screens_.push_back(std::make_unique<FrozenScreen>(*this, monitor));
        screens_.back()->showOver(screenFor(monitor));
        if (underPointer == nullptr || (pointer && monitor.geometry.contains(pointer->toPoint()))) {
            underPointer = screens_.back().get();
        }
    }
    underPointer->raise();
    underPointer->activateWindow();
    if (!grab_(*underPointer)) {
        stop();  // a pick that can have no click or key could never end
        return false;
    }
    if (pressHeld) {
        catchUpOnRelease();
    }
    return true;
}

// A quick drag can end before the loupe holds the pointer: its release then went to the window
// that was pressed, and the loupe would wait for a click that is not coming.
void FrozenLoupe::catchUpOnRelease() {
    if (x11LeftButtonDown() == false) {
        released(QCursor::pos());
    }
}

void FrozenLoupe::stop() {
    if (screens_.empty()) {
        return;
    }
    for (const auto& screen : screens_) {
        if (QWidget::mouseGrabber() == screen.get()) {
            screen->releaseMouse();
        }
        if (QWidget::keyboardGrabber() == screen.get()) {
            screen->releaseKeyboard();
        }
        screen->hide();
    }
    screens_.clear();
    if (activeBefore_ != nullptr) {
        activeBefore_->activateWindow();  // the keyboard goes back where it was
    }
    activeBefore_ = nullptr;
    image_ = {};  // the capture can be large: it goes with the windows
    monitors_.clear();
    sample_ = {};
    hotSpot_.reset();
}

void FrozenLoupe::pointerMoved(QPointF global, bool buttonDown) {
    if (!isRunning()) {
        return;
    }
    if (keyedPointer_ && global.toPoint() == *keyedPointer_) {
        return;  // the pointer only followed the arrow keys: keep their device pixel
    }
    keyedPointer_.reset();
    if (!openedAt_) {
        openedAt_ = global;  // the pointer was not known when the loupe opened
    }
    if (buttonDown && !pressedHere_ &&
        (global - *openedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        dragged_ = true;
    }
    if (const Monitor* monitor = desktop::monitorAt(monitors_, global)) {
        moveHotSpot(*monitor, desktop::devicePixelAt(*monitor, global), global.toPoint());
    }
}

void FrozenLoupe::pressed(QPointF global) {
    pointerMoved(global, false);
    pressedHere_ = true;
}

void FrozenLoupe::released(QPointF global) {
    if (!isRunning()) {
        return;
    }
    // The press that opened the loupe picks where it is released once it has been dragged
    // away, even when the loupe saw none of the moves between.
    if (!pressedHere_ && !dragged_ &&
        (!openedAt_ || (global - *openedAt_).manhattanLength() < QApplication::startDragDistance())) {
        return;
    }
    pointerMoved(global, false);
    pick();
}

void FrozenLoupe::keyPressed(QKeyEvent& event) {
    if (!isRunning()) {
        return;
    }
    const int step = event.modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    switch (event.key()) {
        case Qt::Key_Escape:
            fail();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (hotSpot_) {
                pick();
            }
            return;
        case Qt::Key_Left:
            moveByKeys(-step, 0);
            return;
        case Qt::Key_Right:
            moveByKeys(step, 0);
            return;
        case Qt::Key_Up:
            moveByKeys(0, -step);
            return;
        case Qt::Key_Down:
            moveByKeys(0, step);
            return;
        default:
            event.ignore();
    }
}

void FrozenLoupe::closed() {
    if (isRunning()) {
        fail();
    }
}

void FrozenLoupe::moveHotSpot(const Monitor& monitor, QPoint hotSpot, QPoint pointer) {
    const QRect before = faceRect();
    monitor_ = monitor;
    hotSpot_ = hotSpot;
    pointer_ = pointer;
    sample_ = image_.sample(monitors_, monitor, loupe::sampleRect(hotSpot));
    repaint(before);
    repaint(faceRect());
}

void FrozenLoupe::moveByKeys(int dx, int dy) {
    if (!hotSpot_) {
        return;
    }
    const QPoint target = desktop::stepHotSpot(monitors_, *hotSpot_, QPoint(dx, dy));
    const Monitor* holder = desktop::monitorHolding(monitors_, target);
    const Monitor monitor = holder != nullptr ? *holder : monitor_;
    const QPoint pointer = desktop::logicalPointFor(monitor, target);
    // Where a program may not move the pointer (Wayland), it stays where it was: a click there
    // picks the pixel the keys chose, which the loupe shows.
    const QPoint unmoved = keyedPointer_.value_or(pointer_);
    moveHotSpot(monitor, target, pointer);
    keyedPointer_ = onX11() ? pointer : unmoved;
    if (onX11()) {
        QCursor::setPos(pointer);
    }
}

QRect FrozenLoupe::faceRect() const {
    if (!hotSpot_) {
        return {};
    }
    const QSize size = loupe::loupeSize();
    return {loupe::loupePosition(pointer_, size, monitor_.geometry), size};
}

QWidget* FrozenLoupe::screenAt(QPoint global) const {
    for (const auto& screen : screens_) {
        if (screen->area().contains(global)) {
            return screen.get();
        }
    }
    return nullptr;
}

void FrozenLoupe::repaint(const QRect& globalRect) {
    for (const auto& screen : screens_) {
        const QRect area = globalRect & screen->area();
        if (!area.isEmpty()) {
            screen->update(area.translated(-screen->area().topLeft()));
        }
    }
}

void FrozenLoupe::paint(const FrozenScreen& screen, QPainter& painter, const QRect& dirty) const {
    const QRect area = screen.area();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(dirty, Qt::black);
    painter.drawImage(QRectF(dirty), image_.image,
                      image_.sourceRect(screen.monitor(), QRectF(dirty.translated(area.topLeft()))));
    const QRect face = faceRect();
    if (face.isEmpty() || screen.monitor().geometry != monitor_.geometry ||
        !face.translated(-area.topLeft()).intersects(dirty)) {
        return;
    }
    painter.translate(face.topLeft() - area.topLeft());
    LoupeRenderer::paint(painter, sample_);
}

void FrozenLoupe::pick() {
    const int centre = sample_.width() / 2;
    const std::optional<ColorValue> colour = loupe::pixelColor(sample_, QPoint(centre, centre));
    stop();
    if (colour) {
        emit colorPicked(*colour);
    } else {
        emit pickFailed();
    }
}

void FrozenLoupe::fail() {
    stop();
    emit pickFailed();
}

}  // namespace hueloupe
