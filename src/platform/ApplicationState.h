// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace hueloupe {

// Whether the application is the active one, and bringing it to the front.
class ApplicationState {
public:
    virtual ~ApplicationState() = default;
    virtual bool isActive() const = 0;
    // Raises and activates the given window (the application's window that asks).
    virtual void activate(QWidget* window) = 0;
};

// The real application: QGuiApplication::applicationState().
class QtApplicationState final : public ApplicationState {
public:
    bool isActive() const override;
    void activate(QWidget* window) override;
};

}  // namespace hueloupe
