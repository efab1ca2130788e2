// SPDX-License-Identifier: MIT
#include "LoupeRenderer.h"

#include <QFontDatabase>
#include <QPainter>

#include "ColorAdapters.h"
#include "LoupeGeometry.h"

namespace hueloupe {

namespace {

constexpr ColorValue kBackdrop{0.15, 0.15, 0.15, 1.0};
constexpr ColorValue kGrid{0.5, 0.5, 0.5, 0.35};
constexpr ColorValue kBlack{0.0, 0.0, 0.0, 1.0};
constexpr ColorValue kWhite{1.0, 1.0, 1.0, 1.0};
constexpr ColorValue kLabelBackground{0.08, 0.08, 0.08, 1.0};

void paintGrid(QPainter& painter, int cells, int cellSize) {
    painter.setPen(QPen(makeSRGBColor(kGrid), 1));
    const int side = cells * cellSize;
    for (int i = 1; i < cells; ++i) {
        const int at = i * cellSize;
        painter.drawLine(at, 0, at, side);
        painter.drawLine(0, at, side, at);
    }
}

void paintCentre(QPainter& painter, int centre, int cellSize) {
    const QRect cell(centre * cellSize, centre * cellSize, cellSize, cellSize);
    painter.setBrush(Qt::NoBrush);
    // Black outside, white inside: visible on any colour.
    painter.setPen(QPen(makeSRGBColor(kBlack), 1));
    painter.drawRect(cell.adjusted(-1, -1, 0, 0));
    painter.setPen(QPen(makeSRGBColor(kWhite), 1));
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
}

void paintLabel(QPainter& painter, const QRect& strip, const QImage& sample, int centre) {
    painter.fillRect(strip, makeSRGBColor(kLabelBackground));
    const auto colour = loupe::pixelColor(sample, QPoint(centre, centre));
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(makeSRGBColor(kWhite));
    painter.drawText(strip, Qt::AlignCenter,
                     colour ? loupe::hexText(*colour) : QStringLiteral("#------"));
}

}  // namespace

void LoupeRenderer::paint(QPainter& painter, const QImage& sample) {
    const int cells = sample.width();
    const int cellSize = loupe::kCellSize;
    const int side = cells * cellSize;
    const int centre = cells / 2;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, side, side), makeSRGBColor(kBackdrop));
    QImage pixels = sample;
    pixels.setDevicePixelRatio(1.0);
    painter.drawImage(QRect(0, 0, side, side), pixels);
    paintGrid(painter, cells, cellSize);
    paintCentre(painter, centre, cellSize);
    paintLabel(painter, QRect(0, side, side, loupe::kLabelHeight), sample, centre);
    painter.restore();
}

}  // namespace hueloupe
