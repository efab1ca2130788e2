// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace hueloupe::testing {

// Sends a press (down) or release of the button at a fractional position in the widget.
inline void sendMouse(QWidget* widget, bool down, QPointF at,
                      Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, at,
                      widget->mapToGlobal(at), button, down ? button : Qt::NoButton, {});
    QCoreApplication::sendEvent(widget, &event);
}

// Scenario rows: steps "[MS] VERB [ARGUMENT]" joined by "; ", run on a fresh World's perform();
// a leading time (virtual ms since the start) first moves the World's `scheduler` there.
inline void row(const char* name, const char* steps) {
    QTest::newRow(name) << QString(steps);
}

template <typename World>
void runScenario() {
    QFETCH(QString, steps);
    World world;
    for (const QString& step : steps.split("; ")) {
        QStringList words = step.split(' ');
        if constexpr (requires { world.scheduler; }) {
            bool timed = false;
            const int atMs = words.front().toInt(&timed);
            if (timed) {
                world.scheduler.advance(std::chrono::milliseconds(atMs) - world.scheduler.now());
                words.removeFirst();
            }
        }
        world.perform(words.value(0), words.mid(1).join(' '));
        if (QTest::currentTestFailed()) {
            QFAIL(qPrintable("at step " + step));  // stops at the first step that fails
        }
    }
}

}  // namespace hueloupe::testing
