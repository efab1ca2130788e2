// SPDX-License-Identifier: MIT
#include "LoupeRenderer.h"

#include <QFontDatabase>
#include <vector>
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

// The sample enlarged cell by cell, the grid blended over it, written pixel by pixel: drawing
// the grid as translucent lines costs a pointer move more than everything else together.
QImage enlargedWithGrid(const QImage& sample, int cellSize) {
    const int cells = sample.width();
    const int side = cells * cellSize;
    QImage face(side, side, QImage::Format_RGB32);
    const QRgb backdrop = makeSRGBColor(kBackdrop).rgb();
    const QRgb grid = makeSRGBColor(kGrid).rgb();
    const int alpha = qRound(kGrid.alpha * 256);
    const auto blend = [alpha, grid](QRgb under) {
        const auto mix = [alpha](int a, int b) { return (a * (256 - alpha) + b * alpha) >> 8; };
        return qRgb(mix(qRed(under), qRed(grid)), mix(qGreen(under), qGreen(grid)),
                    mix(qBlue(under), qBlue(grid)));
    };
    std::vector<QRgb> plain(cells);
    std::vector<QRgb> gridded(cells);
    for (int y = 0; y < side; ++y) {
        if (y % cellSize == 0) {  // a new row of cells
            for (int cell = 0; cell < cells; ++cell) {
                const QRgb pixel = sample.pixel(cell, y / cellSize);
                plain[cell] = qAlpha(pixel) == 0 ? backdrop : (pixel | 0xff000000u);
                gridded[cell] = blend(plain[cell]);
            }
        }
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        const bool gridRow = y % cellSize == 0 && y > 0;
        for (int x = 0; x < side; ++x) {
            const int cell = x / cellSize;
            line[x] = gridRow || (x % cellSize == 0 && x > 0) ? gridded[cell] : plain[cell];
        }
    }
    return face;
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
    painter.drawImage(QRect(0, 0, side, side), enlargedWithGrid(sample, cellSize));
    paintCentre(painter, centre, cellSize);
    paintLabel(painter, QRect(0, side, side, loupe::kLabelHeight), sample, centre);
    painter.restore();
}

}  // namespace hueloupe
