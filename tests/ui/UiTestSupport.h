// SPDX-License-Identifier: MIT
#pragma once

#include <utility>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "ColorValue.h"
#include "FakeApplicationState.h"
#include "Magnifier.h"
#include "ManualScheduler.h"

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

// Records sessions and ends them when the test says so.
struct FakeMagnifier final : Magnifier {
    void trackMagnifierWithDelegate(MagnifierDelegate* delegate) override {
        ++sessions;
        tracked = delegate;
    }
    void stopTracking(MagnifierDelegate* delegate) override {
        if (delegate == tracked) {
            tracked = nullptr;
            ++stops;
        }
    }
    void succeed(const ColorValue& color) {
        std::exchange(tracked, nullptr)->magnifierDidSelectColor(this, color);
    }
    void fail() { std::exchange(tracked, nullptr)->magnifierDidFailToSelectColor(this); }

    int sessions = 0;
    int stops = 0;
    MagnifierDelegate* tracked = nullptr;  // the session in progress
};

// Puts a fake in place of the screen loupe for the scope.
struct ScopedMagnifier {
    explicit ScopedMagnifier(Magnifier& magnifier) { Magnifier::setShared(&magnifier); }
    ~ScopedMagnifier() { Magnifier::setShared(nullptr); }
    ScopedMagnifier(const ScopedMagnifier&) = delete;
    ScopedMagnifier& operator=(const ScopedMagnifier&) = delete;
};

}  // namespace hueloupe::testing
