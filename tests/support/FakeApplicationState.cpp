// SPDX-License-Identifier: MIT
#include "FakeApplicationState.h"

namespace hueloupe {

void FakeApplicationState::activate(QWidget* window) {
    activatedWindows.push_back(window);
    active = true;
}

}  // namespace hueloupe
