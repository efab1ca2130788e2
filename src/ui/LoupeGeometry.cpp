// SPDX-License-Identifier: MIT
#include "LoupeGeometry.h"

#include <algorithm>
#include <cmath>

#include <QString>

namespace hueloupe::loupe {

namespace {

// Screens are far smaller than this; it keeps the conversion to int defined for any input.
constexpr double kCoordinateLimit = 1 << 24;

int floorToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::floor(std::clamp(value, -kCoordinateLimit, kCoordinateLimit)));
}

qreal saneRatio(qreal ratio) {
    return ratio > 0 && std::isfinite(ratio) ? ratio : 1.0;
}

}  // namespace

QRect sampleRect(QPoint hotSpot, int radius) {
    const int side = 2 * radius + 1;
    return {hotSpot.x() - radius, hotSpot.y() - radius, side, side};
}

QPoint devicePixelAt(QPointF logicalInScreen, qreal devicePixelRatio) {
    const qreal ratio = saneRatio(devicePixelRatio);
    return {floorToInt(logicalInScreen.x() * ratio), floorToInt(logicalInScreen.y() * ratio)};
}

QPoint logicalPointFor(QPoint devicePixel, qreal devicePixelRatio) {
    const qreal ratio = saneRatio(devicePixelRatio);
    // The pixel's centre, so that a fractional ratio still lands inside it where it can.
    return {floorToInt((devicePixel.x() + 0.5) / ratio),
            floorToInt((devicePixel.y() + 0.5) / ratio)};
}

QSize deviceSize(QSize logicalSize, qreal devicePixelRatio) {
    const qreal ratio = saneRatio(devicePixelRatio);
    return {floorToInt(std::round(logicalSize.width() * ratio)),
            floorToInt(std::round(logicalSize.height() * ratio))};
}

QPoint clampToScreen(QPoint devicePixel, QSize screenDeviceSize) {
    const int maxX = std::max(0, screenDeviceSize.width() - 1);
    const int maxY = std::max(0, screenDeviceSize.height() - 1);
    return {std::clamp(devicePixel.x(), 0, maxX), std::clamp(devicePixel.y(), 0, maxY)};
}

QPoint loupePosition(QPoint pointer, QSize loupeSize, const QRect& screen, int gap) {
    const int right = pointer.x() + gap;
    const int left = pointer.x() - gap - loupeSize.width();
    const int below = pointer.y() + gap;
    const int above = pointer.y() - gap - loupeSize.height();
    const int x = right + loupeSize.width() - 1 <= screen.right() ? right : left;
    const int y = below + loupeSize.height() - 1 <= screen.bottom() ? below : above;
    // A screen smaller than the loupe, or a pointer near both edges, still keeps it on screen
    // with its top-left corner visible.
    const int maxX = std::max(screen.left(), screen.right() + 1 - loupeSize.width());
    const int maxY = std::max(screen.top(), screen.bottom() + 1 - loupeSize.height());
    return {std::clamp(x, screen.left(), maxX), std::clamp(y, screen.top(), maxY)};
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
