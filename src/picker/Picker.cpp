// SPDX-License-Identifier: MIT
#include "Picker.h"

#include <utility>

namespace hueloupe {

void Picker::start(QPointF at) {
    if (running_) {
        running_ = false;
        end();
        emit failed();
    }
    running_ = true;
    begin(at);
}

void Picker::cancel() {
    if (running_) {
        running_ = false;
        end();
    }
}

bool Picker::finish() {
    // Cleared before the signal: a listener may start the next session from it.
    return std::exchange(running_, false);
}

void Picker::reportPicked(const ColorValue& color) {
    if (finish()) {
        emit picked(color);
    }
}

void Picker::reportFailed() {
    if (finish()) {
        emit failed();
    }
}

void Picker::reportUnavailable() {
    if (finish()) {
        emit unavailable();
    }
}

}  // namespace hueloupe
