// SPDX-License-Identifier: MIT
#include "Monitors.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace hueloupe::desktop {

namespace {

// Desktops are far smaller than this; it keeps the conversion to int defined for any input.
constexpr double kCoordinateLimit = 1 << 24;
// Logical positions are device pixels divided by the ratio; multiplied back they may fall a
// hair short of the pixel they came from.
constexpr double kRoundingSlack = 1e-6;

int floorToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::floor(std::clamp(value, -kCoordinateLimit, kCoordinateLimit)));
}

int ceilToInt(double value) {
    return -floorToInt(-value);
}

qreal saneRatio(qreal ratio) {
    return ratio > 0 && std::isfinite(ratio) ? ratio : 1.0;
}

// Squared distance from a point to a rectangle; 0 inside it.
double distanceSquared(const QRectF& rect, QPointF point) {
    const double dx = std::max({rect.left() - point.x(), 0.0, point.x() - rect.right()});
    const double dy = std::max({rect.top() - point.y(), 0.0, point.y() - rect.bottom()});
    return dx * dx + dy * dy;
}

}  // namespace

Monitor screenMonitor(const QRect& geometry, qreal ratio) {
    const qreal sane = saneRatio(ratio);
    const QSize devicePixels(floorToInt(std::round(geometry.width() * sane)),
                             floorToInt(std::round(geometry.height() * sane)));
    return {geometry, QRect(geometry.topLeft(), devicePixels), geometry.topLeft(), sane};
}

Monitors withHeads(Monitors monitors, const std::vector<QRect>& heads) {
    if (monitors.empty()) {
        return monitors;
    }
    const QPoint origin = monitors.front().origin;
    const qreal ratio = monitors.front().ratio;
    const auto logical = [&](double device, int from) { return from + (device - from) / ratio; };
    const std::size_t known = monitors.size();
    for (const QRect& head : heads) {
        const bool overlapped =
            std::any_of(monitors.begin(), monitors.begin() + known,
                        [&](const Monitor& m) { return m.pixels.intersects(head); });
        if (overlapped || head.isEmpty()) {
            continue;
        }
        const QPoint topLeft(ceilToInt(logical(head.left(), origin.x())),
                             ceilToInt(logical(head.top(), origin.y())));
        const QPoint end(floorToInt(logical(head.right() + 1, origin.x())),
                         floorToInt(logical(head.bottom() + 1, origin.y())));
        monitors.push_back({QRect(topLeft, end - QPoint(1, 1)), head, origin, ratio});
    }
    return monitors;
}

const Monitor* monitorAt(const Monitors& monitors, QPointF position) {
    const Monitor* nearest = nullptr;
    double best = std::numeric_limits<double>::infinity();
    for (const Monitor& monitor : monitors) {
        // The logical area a monitor covers ends where its last pixel does.
        const QRectF area(monitor.geometry.topLeft(), monitor.geometry.size());
        if (position.x() >= area.left() && position.x() < area.right() &&
            position.y() >= area.top() && position.y() < area.bottom()) {
            return &monitor;
        }
        const double distance = distanceSquared(area, position);
        if (nearest == nullptr || distance < best) {
            nearest = &monitor;
            best = distance;
        }
    }
    return nearest;
}

const Monitor* monitorHolding(const Monitors& monitors, QPoint pixel) {
    const auto found = std::find_if(monitors.begin(), monitors.end(),
                                    [&](const Monitor& m) { return m.pixels.contains(pixel); });
    return found == monitors.end() ? nullptr : &*found;
}

QPoint devicePixelAt(const Monitor& monitor, QPointF position) {
    const auto device = [&](double at, int from) {
        return floorToInt(from + (at - from) * monitor.ratio + kRoundingSlack);
    };
    return {device(position.x(), monitor.origin.x()), device(position.y(), monitor.origin.y())};
}

QPoint logicalPointFor(const Monitor& monitor, QPoint pixel) {
    // The pixel's centre, so that a fractional ratio still lands inside it where it can.
    const auto logical = [&](int at, int from) {
        return floorToInt(from + (at + 0.5 - from) / monitor.ratio);
    };
    return {logical(pixel.x(), monitor.origin.x()), logical(pixel.y(), monitor.origin.y())};
}

QPoint stepHotSpot(const Monitors& monitors, QPoint hotSpot, QPoint step) {
    const QPoint target = hotSpot + step;
    const Monitor* on = monitorHolding(monitors, hotSpot);
    if (on == nullptr || monitorHolding(monitors, target) != nullptr) {
        return target;
    }
    const QRect& pixels = on->pixels;
    return {std::clamp(target.x(), pixels.left(), pixels.right()),
            std::clamp(target.y(), pixels.top(), pixels.bottom())};
}

}  // namespace hueloupe::desktop
