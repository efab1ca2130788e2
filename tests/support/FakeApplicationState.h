// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "ApplicationState.h"

namespace hueloupe {

// An application that is active until the test says otherwise; activating it records the
// window and makes it active.
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

}  // namespace hueloupe
