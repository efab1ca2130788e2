// SPDX-License-Identifier: MIT
#include "ApplicationState.h"

#include <QGuiApplication>
#include <QWidget>

namespace hueloupe {

bool QtApplicationState::isActive() const {
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

void QtApplicationState::activate(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    window->raise();
    window->activateWindow();
}

}  // namespace hueloupe
