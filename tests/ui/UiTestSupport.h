// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "ColorValue.h"
#include "FakeApplicationState.h"
#include "ManualScheduler.h"
#include "Scenario.h"

namespace hueloupe::testing {

// Sends a left-button press (down) or release at a fractional position in the widget.
inline void sendMouse(QWidget* widget, bool down, QPointF position) {
    QMouseEvent event(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, position,
                      widget->mapToGlobal(position), Qt::LeftButton,
                      down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}
inline void press(QWidget* widget, QPointF position) {
    sendMouse(widget, true, position);
}
inline void release(QWidget* widget, QPointF position) {
    sendMouse(widget, false, position);
}

}  // namespace hueloupe::testing
