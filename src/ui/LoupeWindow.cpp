// SPDX-License-Identifier: MIT
#include "LoupeWindow.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "LoupeGeometry.h"
#include "LoupeRenderer.h"
#include "ScreenSampler.h"

namespace hueloupe {

namespace {

QScreen* screenFor(QPointF globalPosition, QScreen* fallback) {
    QScreen* screen = QGuiApplication::screenAt(globalPosition.toPoint());
    if (screen == nullptr) {
        screen = fallback != nullptr ? fallback : QGuiApplication::primaryScreen();
    }
    return screen;
}

}  // namespace

LoupeWindow::LoupeWindow(ScreenSampler& sampler)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      sampler_(sampler) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    setFixedSize(loupe::loupeSize());
}

LoupeWindow::~LoupeWindow() = default;

bool LoupeWindow::start(QPointF globalPosition) {
    keyedPointer_.reset();
    if (!updateAt(globalPosition)) {
        return false;
    }
    running_ = true;
    show();
    raise();
    grabMouse(Qt::CrossCursor);
    grabKeyboard();
    return true;
}

void LoupeWindow::stop() {
    if (!running_) {
        return;
    }
    running_ = false;
    releaseKeyboard();
    releaseMouse();
    hide();
}

bool LoupeWindow::updateAt(QPointF globalPosition) {
    QScreen* screen = screenFor(globalPosition, screen_);
    if (screen == nullptr) {
        return false;
    }
    const qreal ratio = screen->devicePixelRatio();
    const QPoint pixel = loupe::devicePixelAt(globalPosition - screen->geometry().topLeft(), ratio);
    const QSize screenPixels = loupe::deviceSize(screen->geometry().size(), ratio);
    return showHotSpot(*screen, loupe::clampToScreen(pixel, screenPixels));
}

bool LoupeWindow::showHotSpot(QScreen& screen, QPoint hotSpot) {
    QImage sample = sampler_.sample(screen, loupe::sampleRect(hotSpot));
    if (sample.isNull()) {
        return false;
    }
    screen_ = &screen;
    hotSpot_ = hotSpot;
    sample_ = std::move(sample);
    const QPoint pointer =
        screen.geometry().topLeft() + loupe::logicalPointFor(hotSpot, screen.devicePixelRatio());
    move(loupe::loupePosition(pointer, size(), screen.geometry()));
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
    if (screen_ == nullptr) {
        return;
    }
    QScreen& screen = *screen_;
    const qreal ratio = screen.devicePixelRatio();
    const QSize screenPixels = loupe::deviceSize(screen.geometry().size(), ratio);
    const QPoint target = loupe::clampToScreen(hotSpot_ + QPoint(dx, dy), screenPixels);
    if (!showHotSpot(screen, target)) {
        fail();
        return;
    }
    const QPoint pointer = screen.geometry().topLeft() + loupe::logicalPointFor(target, ratio);
    keyedPointer_ = pointer;
    QCursor::setPos(&screen, pointer);
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
