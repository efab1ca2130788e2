// SPDX-License-Identifier: MIT
#include "QtScreenSampler.h"

#include <cmath>

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "Monitors.h"

namespace hueloupe {

namespace {

// The screen to grab through, with its monitor.
QScreen* grabbingScreen(QPoint pixel, Monitor& monitor) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens) {
        monitor = desktop::screenMonitor(screen->geometry(), screen->devicePixelRatio());
        if (monitor.pixels.contains(pixel)) {
            return screen;
        }
    }
    if (screens.isEmpty()) {
        return nullptr;
    }
    QScreen* primary = screens.front();
    monitor = desktop::screenMonitor(primary->geometry(), primary->devicePixelRatio());
    return primary;
}

}  // namespace

QImage QtScreenSampler::sample(const QRect& deviceRect) {
    Monitor monitor;
    QScreen* screen = grabbingScreen(deviceRect.center(), monitor);
    if (screen == nullptr || deviceRect.isEmpty()) {
        return {};
    }
    // The logical rectangle, relative to the screen, that covers the wanted device pixels.
    const qreal ratio = monitor.ratio;
    const QPoint from = deviceRect.topLeft() - monitor.origin;
    const QPoint to = deviceRect.bottomRight() + QPoint(1, 1) - monitor.origin;
    const int left = static_cast<int>(std::floor(from.x() / ratio));
    const int top = static_cast<int>(std::floor(from.y() / ratio));
    const int right = static_cast<int>(std::ceil(to.x() / ratio));
    const int bottom = static_cast<int>(std::ceil(to.y() / ratio));
    const QPixmap grabbed = screen->grabWindow(0, left, top, right - left, bottom - top);
    if (grabbed.isNull()) {
        return {};
    }
    QImage pixels = grabbed.toImage();
    pixels.setDevicePixelRatio(1.0);  // place it pixel for pixel
    // The grab starts at the device pixel where its logical corner lands.
    const QPoint grabOrigin = monitor.origin + QPoint(static_cast<int>(std::lround(left * ratio)),
                                                      static_cast<int>(std::lround(top * ratio)));
    QImage result(deviceRect.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(grabOrigin - deviceRect.topLeft(), pixels);
    return result;
}

}  // namespace hueloupe
