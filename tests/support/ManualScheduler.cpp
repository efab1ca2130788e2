// SPDX-License-Identifier: MIT
#include "ManualScheduler.h"

#include <algorithm>

namespace hueloupe {

void ManualScheduler::after(Duration delay, Step step) {
    steps_.push_back({now_ + std::max(delay, Duration{0}), nextOrder_++, std::move(step)});
}

void ManualScheduler::advance(Duration delta) {
    const Duration target = now_ + delta;
    for (;;) {
        auto next =
            std::min_element(steps_.begin(), steps_.end(), [](const auto& a, const auto& b) {
                return a.due != b.due ? a.due < b.due : a.order < b.order;
            });
        if (next == steps_.end() || next->due > target) {
            break;
        }
        now_ = next->due;
        Step step = std::move(next->step);
        steps_.erase(next);
        step();  // may arm further steps
    }
    now_ = target;
}

}  // namespace hueloupe
