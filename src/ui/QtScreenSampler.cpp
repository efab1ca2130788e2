// SPDX-License-Identifier: MIT
#include "QtScreenSampler.h"

#include <cmath>

#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "LoupeGeometry.h"

namespace hueloupe {

QImage QtScreenSampler::sample(QScreen& screen, const QRect& deviceRect) {
    const qreal ratio = screen.devicePixelRatio();
    const QRect screenPixels(QPoint(0, 0), loupe::deviceSize(screen.geometry().size(), ratio));
    const QRect wanted = deviceRect & screenPixels;
    QImage result(deviceRect.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    if (wanted.isEmpty()) {
        return result;
    }
    // The logical rectangle that covers the wanted device pixels.
    const int left = static_cast<int>(std::floor(wanted.x() / ratio));
    const int top = static_cast<int>(std::floor(wanted.y() / ratio));
    const int right = static_cast<int>(std::ceil((wanted.right() + 1) / ratio));
    const int bottom = static_cast<int>(std::ceil((wanted.bottom() + 1) / ratio));
    const QPixmap grabbed = screen.grabWindow(0, left, top, right - left, bottom - top);
    if (grabbed.isNull()) {
        return {};
    }
    QImage pixels = grabbed.toImage();
    pixels.setDevicePixelRatio(1.0);  // place it pixel for pixel
    // The grab starts at the device pixel where its logical corner lands.
    const QPoint grabOrigin(static_cast<int>(std::lround(left * ratio)),
                            static_cast<int>(std::lround(top * ratio)));
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setClipRect(wanted.translated(-deviceRect.topLeft()));
    painter.drawImage(grabOrigin - deviceRect.topLeft(), pixels);
    return result;
}

ScreenSampler& ScreenSampler::standard() {
    static QtScreenSampler sampler;
    return sampler;
}

}  // namespace hueloupe
