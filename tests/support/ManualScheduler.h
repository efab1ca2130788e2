// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Scheduler.h"

namespace hueloupe {

// Virtual time for tests: steps run only when advance() moves the clock past their due time,
// in due order (ties in the order they were armed).
class ManualScheduler final : public Scheduler {
public:
    void after(Duration delay, Step step) override {
        steps_.push_back({now_ + std::max(delay, Duration{0}), nextOrder_++, std::move(step)});
    }

    // Moves the clock forward by delta, running every step that falls due on the way.
    void advance(Duration delta) {
        const Duration target = now_ + delta;
        const auto earlier = [](const auto& a, const auto& b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        };
        for (auto next = std::min_element(steps_.begin(), steps_.end(), earlier);
             next != steps_.end() && next->due <= target;
             next = std::min_element(steps_.begin(), steps_.end(), earlier)) {
            now_ = next->due;
            Step step = std::move(next->step);
            steps_.erase(next);
            step();  // may arm further steps
        }
        now_ = target;
    }
    Duration now() const { return now_; }

private:
    struct Pending {
        Duration due;
        std::uint64_t order;
        Step step;
    };
    std::vector<Pending> steps_;
    Duration now_{0};
    std::uint64_t nextOrder_ = 0;
};

}  // namespace hueloupe
