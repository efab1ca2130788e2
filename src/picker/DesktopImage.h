// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>

#include "Monitors.h"

namespace hueloupe {

// A still image of the whole desktop, taken when a pick starts, and where each monitor's device
// pixels lie in it. Two kinds of capture exist:
// - in device pixels of the virtual desktop (an X11 root window): image pixel = device pixel;
// - of the logical layout (a desktop portal's screenshot): the image covers logicalArea at
//   scale image pixels per logical pixel, so a device pixel is read where its centre falls.
struct DesktopImage {
    QImage image;
    bool inDevicePixels = true;
    QPoint deviceOrigin;  // the device pixel at the image's top-left, for a device capture
    QRect logicalArea;  // the logical layout the image covers, for a layout capture
    qreal scale = 1.0;  // image pixels per logical pixel, for a layout capture

    // The image of a logical layout: its scale follows from the image's width.
    static DesktopImage ofLayout(QImage image, const QRect& logicalArea);

    bool isNull() const { return image.isNull(); }
    // The image pixel that shows a device pixel of a monitor; it may lie outside the image.
    QPoint imagePixel(const Monitor& monitor, QPoint devicePixel) const;
    // The part of the image (image pixels) that shows a global logical rectangle, read through a
    // monitor's mapping.
    QRectF sourceRect(const Monitor& monitor, const QRectF& logical) const;
    // The device pixels of deviceRect as an image of exactly that size, transparent where no
    // pixel was captured. Each is read through the monitor holding it, else through nearest.
    QImage sample(const Monitors& monitors, const Monitor& nearest, const QRect& deviceRect) const;
};

}  // namespace hueloupe
