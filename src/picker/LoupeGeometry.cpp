// SPDX-License-Identifier: MIT
#include "LoupeGeometry.h"

#include <algorithm>
#include <cmath>

#include <QString>

namespace hueloupe::loupe {

QRect sampleRect(QPoint hotSpot, int radius) {
    const int side = 2 * radius + 1;
    return {hotSpot.x() - radius, hotSpot.y() - radius, side, side};
}

QPoint loupePosition(QPoint pointer, QSize loupeSize, const QRect& monitor, int gap) {
    const int right = pointer.x() + gap;
    const int left = pointer.x() - gap - loupeSize.width();
    const int below = pointer.y() + gap;
    const int above = pointer.y() - gap - loupeSize.height();
    const int x = right + loupeSize.width() - 1 <= monitor.right() ? right : left;
    const int y = below + loupeSize.height() - 1 <= monitor.bottom() ? below : above;
    // A monitor smaller than the loupe, or a pointer near both edges, still keeps it on the monitor
    // with its top-left corner visible.
    const int maxX = std::max(monitor.left(), monitor.right() + 1 - loupeSize.width());
    const int maxY = std::max(monitor.top(), monitor.bottom() + 1 - loupeSize.height());
    return {std::clamp(x, monitor.left(), maxX), std::clamp(y, monitor.top(), maxY)};
}

QSize loupeSize(int radius) {
    const int side = (2 * radius + 1) * kCellSize;
    return {side, side + kLabelHeight};
}

std::optional<ColorValue> pixelColor(const QImage& image, QPoint pixel) {
    if (image.isNull() || !image.valid(pixel)) {
        return std::nullopt;
    }
    const QRgb rgb = image.pixel(pixel);
    if (image.hasAlphaChannel() && qAlpha(rgb) == 0) {
        return std::nullopt;  // off the screen
    }
    return ColorValue{qRed(rgb) / 255.0, qGreen(rgb) / 255.0, qBlue(rgb) / 255.0, 1.0};
}

QString hexText(const ColorValue& color) {
    const auto byte = [](double component) {
        return std::clamp(static_cast<int>(std::lround(std::clamp(component, 0.0, 1.0) * 255)), 0,
                          255);
    };
    return QStringLiteral("#%1%2%3")
        .arg(byte(color.red), 2, 16, QLatin1Char('0'))
        .arg(byte(color.green), 2, 16, QLatin1Char('0'))
        .arg(byte(color.blue), 2, 16, QLatin1Char('0'))
        .toUpper();
}

}  // namespace hueloupe::loupe
