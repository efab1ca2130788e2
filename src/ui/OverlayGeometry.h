// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>

namespace hueloupe {

// The colour well's overlay frame is kept in the well's bottom-up coordinates: origin at the
// bottom-left corner, y growing upwards, so the overlay stays anchored to the bottom edge.
inline constexpr qreal kOverlayInset = 20;
inline constexpr qreal kOverlayBottom = 46;
inline constexpr qreal kHintHeight = 42;
inline constexpr qreal kMessageHeight = 28;

// The hint's frame in a well of the given width: x 20 .. width - 20, y 46 .. 88.
QRectF hintOverlayFrame(qreal wellWidth);

// The same origin and width with another height (the bottom edge stays put).
QRectF withHeight(const QRectF& frame, qreal height);

// A bottom-up frame as a widget rectangle (top-left origin) inside a well of the given height.
QRectF toWidgetRect(const QRectF& bottomUpFrame, qreal wellHeight);

}  // namespace hueloupe
