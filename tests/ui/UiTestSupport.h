#pragma once

#include <optional>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "colour/ColorValue.h"
#include "ui/ApplicationState.h"
#include "ui/Magnifier.h"

namespace hueloupe::testing {

// Sends a left-button press or release at a fractional position in the widget.
inline void sendMouse(QWidget* widget, QEvent::Type type, QPointF position,
                      Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

inline void press(QWidget* widget, QPointF position) {
    sendMouse(widget, QEvent::MouseButtonPress, position);
}

inline void release(QWidget* widget, QPointF position) {
    sendMouse(widget, QEvent::MouseButtonRelease, position);
}

inline void sendKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(widget, &event);
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
        MagnifierDelegate* delegate = std::exchange(delegate_, nullptr);
        delegate->magnifierDidSelectColor(this, color);
    }
    void fail() {
        MagnifierDelegate* delegate = std::exchange(delegate_, nullptr);
        delegate->magnifierDidFailToSelectColor(this);
    }
    bool tracking() const { return delegate_ != nullptr; }

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
