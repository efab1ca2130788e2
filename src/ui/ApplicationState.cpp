// SPDX-License-Identifier: MIT
#include "ApplicationState.h"

#include <QGuiApplication>
#include <QWidget>

namespace hueloupe {

namespace {

class QtApplicationState final : public ApplicationState {
public:
    bool isActive() const override {
        return QGuiApplication::applicationState() == Qt::ApplicationActive;
    }

    void activate(QWidget* window) override {
        if (window == nullptr) {
            return;
        }
        window->raise();
        window->activateWindow();
    }
};

}  // namespace

ApplicationState& ApplicationState::standard() {
    static QtApplicationState state;
    return state;
}

}  // namespace hueloupe
