// SPDX-License-Identifier: MIT
#include "DesktopImage.h"

#include <cmath>
#include <utility>

namespace hueloupe {

DesktopImage DesktopImage::ofLayout(QImage image, const QRect& logicalArea) {
    DesktopImage desktopImage;
    desktopImage.inDevicePixels = false;
    desktopImage.logicalArea = logicalArea;
    desktopImage.scale =
        logicalArea.width() > 0 ? qreal(image.width()) / logicalArea.width() : 1.0;
    desktopImage.image = std::move(image);
    return desktopImage;
}

QPoint DesktopImage::imagePixel(const Monitor& monitor, QPoint devicePixel) const {
    if (inDevicePixels) {
        return devicePixel - deviceOrigin;
    }
    // The logical position of the device pixel's centre, then the image pixel holding it.
    const QPointF centre = QPointF(monitor.origin) +
                           (QPointF(devicePixel) + QPointF(0.5, 0.5) - QPointF(monitor.origin)) /
                               monitor.ratio;
    const QPointF inImage = (centre - QPointF(logicalArea.topLeft())) * scale;
    QPoint at(static_cast<int>(std::floor(inImage.x())), static_cast<int>(std::floor(inImage.y())));
    if (scale < 1.5 * monitor.ratio) {
        return at;
    }
    // A monitor drawn larger than it is (a scale 1 monitor in a picture at scale 2) was enlarged
    // smoothly: each of the pixels that show one device pixel blends in the neighbour it is
    // nearest to. The one whose outer neighbour has its colour is pure; at an edge, that is the
    // one away from the edge.
    const auto pure = [this](QPoint candidate, QPoint outward) {
        return image.valid(candidate) && image.valid(candidate + outward) &&
               image.pixel(candidate) == image.pixel(candidate + outward);
    };
    if (pure(at - QPoint(1, 0), QPoint(-1, 0))) {
        at.rx() -= 1;
    }
    if (pure(at - QPoint(0, 1), QPoint(0, -1))) {
        at.ry() -= 1;
    }
    return at;
}

QRectF DesktopImage::sourceRect(const Monitor& monitor, const QRectF& logical) const {
    if (!inDevicePixels) {
        return {(logical.topLeft() - QPointF(logicalArea.topLeft())) * scale,
                logical.size() * scale};
    }
    const QPointF origin(monitor.origin);
    return {origin + (logical.topLeft() - origin) * monitor.ratio - QPointF(deviceOrigin),
            logical.size() * monitor.ratio};
}

QImage DesktopImage::sample(const Monitors& monitors, const Monitor& nearest,
                            const QRect& deviceRect) const {
    QImage result(deviceRect.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    if (image.isNull()) {
        return result;
    }
    const Monitor* monitor = nullptr;
    for (int y = 0; y < deviceRect.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < deviceRect.width(); ++x) {
            const QPoint pixel = deviceRect.topLeft() + QPoint(x, y);
            if (monitor == nullptr || !monitor->pixels.contains(pixel)) {
                monitor = desktop::monitorHolding(monitors, pixel);
            }
            const QPoint at = imagePixel(monitor != nullptr ? *monitor : nearest, pixel);
            if (image.rect().contains(at)) {
                line[x] = image.pixel(at) | 0xff000000u;
            }
        }
    }
    return result;
}

}  // namespace hueloupe
