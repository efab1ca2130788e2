// SPDX-License-Identifier: MIT
#include "FocusRing.h"

#include <QPainter>
#include <QPalette>

namespace hueloupe {

void drawFocusRing(QPainter& painter, const QRectF& bounds, const QPalette& palette) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.color(QPalette::Highlight), 2));
    painter.drawRect(bounds.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(palette.color(QPalette::HighlightedText), 1));
    painter.drawRect(bounds.adjusted(2.5, 2.5, -2.5, -2.5));
    painter.restore();
}

}  // namespace hueloupe
