// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>

class QPainter;
class QPalette;

namespace hueloupe {

// Marks the control that has the keyboard focus: a 2-pixel ring in the highlight colour just
// inside the bounds, lined with a 1-pixel ring in the highlighted-text colour so that it shows
// on any colour beneath, the highlight's own included.
void drawFocusRing(QPainter& painter, const QRectF& bounds, const QPalette& palette);

}  // namespace hueloupe
