// SPDX-License-Identifier: MIT
#include "LoupeWindow.h"

#include <utility>

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "LoupeGeometry.h"
#include "LoupeRenderer.h"
#include "ScreenSampler.h"

namespace hueloupe {

LoupeWindow::LoupeWindow(ScreenSampler& sampler, MonitorSource monitors, InputGrab grab)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      sampler_(sampler),
      monitorSource_(std::move(monitors)),
      grab_(std::move(grab)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    setFixedSize(loupe::loupeSize());
}

LoupeWindow::~LoupeWindow() = default;

bool LoupeWindow::start(QPointF globalPosition) {
    keyedPointer_.reset();
    monitors_ = monitorSource_();
    if (!updateAt(globalPosition)) {
        return false;
    }
    running_ = true;
    show();
    raise();
    windowHandle()->installEventFilter(this);
    takeInput();
    return true;
}

bool LoupeWindow::grabInput(QWindow& window) {
    if (!window.setMouseGrabEnabled(true)) {
        return false;
    }
    if (!window.setKeyboardGrabEnabled(true)) {
        window.setMouseGrabEnabled(false);
        return false;
    }
    return true;
}

void LoupeWindow::takeInput() {
    if (!running_) {
        return;
    }
    QWindow& window = *windowHandle();
    if (grab_(window)) {
        // Held already; these make Qt route all the input to this widget.
        grabMouse(Qt::CrossCursor);
        grabKeyboard();
    } else if (window.isExposed()) {
        fail();  // another program holds the input: no click or key could ever end the session
    } else {
        awaitingExposure_ = true;  // a window manager maps it later: only then can it grab
    }
}

bool LoupeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (awaitingExposure_ && event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        awaitingExposure_ = false;
        // Once the window has handled the exposure: a failure hides it, not in the midst of that.
        QMetaObject::invokeMethod(this, &LoupeWindow::takeInput, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void LoupeWindow::stop() {
    if (!running_) {
        return;
    }
    running_ = false;
    awaitingExposure_ = false;
    releaseKeyboard();
    releaseMouse();
    hide();
}

bool LoupeWindow::updateAt(QPointF globalPosition) {
    const Monitor* monitor = desktop::monitorAt(monitors_, globalPosition);
    if (monitor == nullptr) {
        return false;
    }
    // The pixel under the pointer wherever it is, on a monitor or between them.
    return showHotSpot(*monitor, desktop::devicePixelAt(*monitor, globalPosition));
}

bool LoupeWindow::showHotSpot(const Monitor& monitor, QPoint hotSpot) {
    QImage sample = sampler_.sample(loupe::sampleRect(hotSpot));
    if (sample.isNull()) {
        return false;
    }
    monitor_ = monitor;
    hotSpot_ = hotSpot;
    sample_ = std::move(sample);
    const QPoint pointer = desktop::logicalPointFor(monitor, hotSpot);
    move(loupe::loupePosition(pointer, size(), monitor.geometry));
    update();
    return true;
}

std::optional<ColorValue> LoupeWindow::centreColor() const {
    const int centre = sample_.width() / 2;
    return loupe::pixelColor(sample_, QPoint(centre, centre));
}

void LoupeWindow::paintEvent(QPaintEvent* /*event*/) {
    if (sample_.isNull()) {
        return;
    }
    QPainter painter(this);
    LoupeRenderer::paint(painter, sample_);
}

void LoupeWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!running_) {
        return;
    }
    const QPointF global = event->globalPosition();
    if (keyedPointer_ && global.toPoint() == *keyedPointer_) {
        return;  // the pointer only followed the arrow keys: keep their device pixel
    }
    keyedPointer_.reset();
    if (!updateAt(global)) {
        fail();
    }
}

void LoupeWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (!running_ || event->button() != Qt::LeftButton) {
        return;
    }
    const QPointF global = event->globalPosition();
    const bool keyed = keyedPointer_ && global.toPoint() == *keyedPointer_;
    if (!keyed && !updateAt(global)) {
        fail();
        return;
    }
    pick();
}

void LoupeWindow::keyPressEvent(QKeyEvent* event) {
    if (!running_) {
        return;
    }
    const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (event->key()) {
        case Qt::Key_Escape:
            fail();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pick();
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
            event->ignore();
    }
}

void LoupeWindow::moveByKeys(int dx, int dy) {
    const QPoint target = desktop::stepHotSpot(monitors_, hotSpot_, QPoint(dx, dy));
    const Monitor* holder = desktop::monitorHolding(monitors_, target);
    const Monitor monitor = holder != nullptr ? *holder : monitor_;
    if (!showHotSpot(monitor, target)) {
        fail();
        return;
    }
    const QPoint pointer = desktop::logicalPointFor(monitor, target);
    keyedPointer_ = pointer;
    QCursor::setPos(pointer);
}

void LoupeWindow::closeEvent(QCloseEvent* event) {
    // Closed from outside (the window manager): a session must still end with a report.
    event->accept();
    if (running_) {
        fail();
    }
}

void LoupeWindow::pick() {
    const std::optional<ColorValue> colour = centreColor();
    stop();
    if (colour) {
        emit colorPicked(*colour);
    } else {
        emit pickFailed();
    }
}

void LoupeWindow::fail() {
    stop();
    emit pickFailed();
}

}  // namespace hueloupe
