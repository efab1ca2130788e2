// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include <QPoint>
#include <QPointF>
#include <QRect>

namespace hueloupe {

// A monitor as the loupe sees it. Logical positions (Qt's device-independent coordinates) map
// to device pixels of the whole virtual desktop as device = origin + (logical - origin) * ratio.
// Qt keeps a screen's top-left corner where it is when it scales, so a screen's origin is its
// top-left corner and its device pixels start there.
struct Monitor {
    QRect geometry;  // logical
    QRect pixels;    // device pixels
    QPoint origin;
    qreal ratio = 1.0;
};

// The primary monitor first.
using Monitors = std::vector<Monitor>;

// Pure geometry of monitors on a virtual desktop, for any layout: offsets (negative too),
// sizes and scale factors of their own, and positions that no monitor covers.
namespace desktop {

// A screen's monitor from its logical geometry and device pixel ratio.
Monitor screenMonitor(const QRect& geometry, qreal ratio);

// Adds each head (device pixels) that no monitor overlaps: monitors the window system knows
// but Qt does not. Qt maps positions beyond its screens through the primary screen, so these
// heads take the first monitor's mapping.
Monitors withHeads(Monitors monitors, const std::vector<QRect>& heads);

// The monitor under a logical position, or else the nearest one; null when there are none.
const Monitor* monitorAt(const Monitors& monitors, QPointF position);

// The monitor whose device pixels hold a pixel; null when none does.
const Monitor* monitorHolding(const Monitors& monitors, QPoint pixel);

// The device pixel under a logical position, through a monitor's mapping. Positions beyond
// the monitor map the same way.
QPoint devicePixelAt(const Monitor& monitor, QPointF position);

// A whole logical position that lies on a device pixel where the ratio allows (the pointer is
// placed at whole logical positions).
QPoint logicalPointFor(const Monitor& monitor, QPoint pixel);

// Where a step of the arrow keys takes the hot spot: onto any monitor's pixel, else as far as
// the edge of the monitor it is on. A hot spot on no monitor moves freely.
QPoint stepHotSpot(const Monitors& monitors, QPoint hotSpot, QPoint step);

}  // namespace desktop

}  // namespace hueloupe
