// SPDX-License-Identifier: MIT
#include "OverlayGeometry.h"

#include <algorithm>

namespace hueloupe {

QRectF hintOverlayFrame(qreal wellWidth) {
    const qreal width = std::max<qreal>(0, wellWidth - 2 * kOverlayInset);
    return {kOverlayInset, kOverlayBottom, width, kHintHeight};
}

QRectF withHeight(const QRectF& frame, qreal height) {
    return {frame.x(), frame.y(), frame.width(), height};
}

QRectF toWidgetRect(const QRectF& bottomUpFrame, qreal wellHeight) {
    const qreal top = wellHeight - bottomUpFrame.y() - bottomUpFrame.height();
    return {bottomUpFrame.x(), top, bottomUpFrame.width(), bottomUpFrame.height()};
}

}  // namespace hueloupe
