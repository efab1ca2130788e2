#pragma once

#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "colour/ColorValue.h"
#include "platform/ManualScheduler.h"
#include "ui/ApplicationState.h"
#include "ui/Magnifier.h"

namespace hueloupe::testing {

// Sends a left-button press or release at a fractional position in the widget.
inline void sendMouse(QWidget* widget, QEvent::Type type, QPointF position) {
    const bool down = type == QEvent::MouseButtonPress;
    QMouseEvent event(type, position, widget->mapToGlobal(position), Qt::LeftButton,
                      down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}
inline void press(QWidget* widget, QPointF position) {
    sendMouse(widget, QEvent::MouseButtonPress, position);
}
inline void release(QWidget* widget, QPointF position) {
    sendMouse(widget, QEvent::MouseButtonRelease, position);
}

// Scenario tables: a column "steps" of text steps "[MS] VERB [ARGUMENT]", each row run on a
// fresh World that has perform(verb, argument). Where the World has a ManualScheduler
// `scheduler`, a leading time (virtual ms since the start) first moves its clock there.
inline void addScenario(const char* name, const QStringList& steps) {
    QTest::newRow(name) << steps;
}

template <typename World>
void runScenario() {
    QFETCH(QStringList, steps);
    World world;
    for (const QString& step : steps) {
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
class FakeMagnifier final : public Magnifier {
public:
    void trackMagnifierWithDelegate(MagnifierDelegate* delegate) override {
        ++sessions;
        delegate_ = delegate;
    }
    void stopTracking(MagnifierDelegate* delegate) override {
        if (delegate == delegate_) {
            delegate_ = nullptr;
            ++stops;
        }
    }
    void succeed(const ColorValue& color) {
        std::exchange(delegate_, nullptr)->magnifierDidSelectColor(this, color);
    }
    void fail() { std::exchange(delegate_, nullptr)->magnifierDidFailToSelectColor(this); }

    int sessions = 0;
    int stops = 0;

private:
    MagnifierDelegate* delegate_ = nullptr;
};

// Puts a fake in place of the screen loupe for the scope.
class ScopedMagnifier {
public:
    explicit ScopedMagnifier(Magnifier& magnifier) { Magnifier::setShared(&magnifier); }
    ~ScopedMagnifier() { Magnifier::setShared(nullptr); }
    ScopedMagnifier(const ScopedMagnifier&) = delete;
    ScopedMagnifier& operator=(const ScopedMagnifier&) = delete;
};

class FakeApplicationState final : public ApplicationState {
public:
    bool isActive() const override { return active; }
    void activate(QWidget* window) override {
        activatedWindows.push_back(window);
        active = true;
    }

    bool active = true;
    std::vector<QWidget*> activatedWindows;
};

}  // namespace hueloupe::testing
