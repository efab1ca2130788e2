// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "Scheduler.h"

namespace hueloupe {

// Virtual time for tests: steps run only when advance() moves the clock past their due time,
// in due order (ties in the order they were armed).
class ManualScheduler final : public Scheduler {
public:
    void after(Duration delay, Step step) override;

    // Moves the clock forward by delta, running every step that falls due on the way.
    void advance(Duration delta);
    Duration now() const { return now_; }
    std::size_t pending() const { return steps_.size(); }

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
